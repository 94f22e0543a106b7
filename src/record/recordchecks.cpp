#include "record/recordchecks.h"

#include "record/serialdate.h"
#include "record/sortorder.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <limits>

namespace checks {

namespace {

// What makes two records the same station entry: the texts the grid shows in its first three
// columns. Two expiries show the same text exactly when they fall on the same day, and every
// value that is not a date shows as an empty text.
struct EntryKey {
    QStringView callSign;
    QStringView licenceNo;
    qint64 day;
    bool operator==(const EntryKey&) const = default;
};

size_t qHash(const EntryKey& key, size_t seed) {
    return qHashMulti(seed, key.callSign, key.licenceNo, key.day);
}

EntryKey entryOf(const StationRecord& record) {
    // The sort key is the day for every date the calendar shows, and one value for all others.
    return {record.trimmedView(Field::CallSign), record.trimmedView(Field::LicenceNo),
            expirySortKey(record.ExpiryDate)};
}

// True when the grid shows record otherwise than it is kept: a text with spaces at its left
// end, or an expiry with a time of day.
bool shownOtherwise(const StationRecord& record) {
    for (const FieldInfo& info : fieldTable()) {
        if (info.field != Field::ExpiryDate &&
            record.unpadded(info.field).startsWith(QLatin1Char(' ')))
            return true;
    }
    const qint64 day = expirySortKey(record.ExpiryDate);
    return day != std::numeric_limits<qint64>::max() && double(day) != record.ExpiryDate;
}

// Makes every record what its row shows, as a register rebuilt from the grid's cells would be.
void showAsListed(RecordStore& store) {
    for (int k = 1; k <= store.Count(); ++k) {
        const StationRecord& record = store.record(k);
        if (!shownOtherwise(record))
            continue;
        StationRecord shown = record;
        for (const FieldInfo& info : fieldTable()) {
            if (info.field != Field::ExpiryDate)
                shown.set(info.field, record.trimmedView(info.field));
        }
        if (const QDate date = record.expiry(); date.isValid())
            shown.setExpiry(date);
        store.replace(k, shown);
    }
}

void sortRecords(RecordStore& store) {
    std::vector<double> expiries;
    expiries.reserve(size_t(store.Count()));
    for (const StationRecord& record : store.records())
        expiries.push_back(record.ExpiryDate);
    // After a dialog closes the register is mostly in order already.
    if (const std::vector<int> order = expiryOrder(expiries);
        !std::is_sorted(order.begin(), order.end()))
        store.reorder(order);
    store.renumber();
}

} // namespace

void deleteRecord(RecordStore& store, int row) {
    if (store.Count() == 0 || row < 1 || row > store.Count())
        return;
    RecordStore::Batch batch(store);
    store.remove(row);
    showAsListed(store);
    store.Modified = 1;
}

void removeDuplicates(RecordStore& store) {
    if (store.Count() <= 1)
        return;
    RecordStore::Batch batch(store);
    // Keeping the first record of each set of equal entries gives what comparing every pair of
    // rows, top down, removing the lower of an equal pair, gives.
    QSet<EntryKey> seen;
    seen.reserve(store.Count());
    std::vector<bool> remove(size_t(store.Count()), false);
    bool removedAny = false;
    for (int k = 1; k <= store.Count(); ++k) {
        const qsizetype before = seen.size();
        seen.insert(entryOf(store.record(k)));
        if (seen.size() == before) {
            remove[size_t(k - 1)] = true;
            removedAny = true;
        }
    }
    if (removedAny)
        store.removeIf(remove);
    sortRecords(store);
    showAsListed(store);
    if (removedAny)
        store.Modified = 1;
}

void sortByExpiry(RecordStore& store) {
    RecordStore::Batch batch(store);
    sortRecords(store);
    showAsListed(store);
}

qint32 daysLeft(double expiry, QDate today) {
    if (std::isnan(expiry))
        return std::numeric_limits<qint32>::max();
    // Day numbers: the same as counting calendar days between the two dates, and defined for
    // stored values beyond the calendar too.
    const double days = std::floor(expiry) - serialdate::fromDate(today);
    const double low = std::numeric_limits<qint32>::min();
    const double high = std::numeric_limits<qint32>::max();
    return qint32(std::clamp(days, low, high));
}

quint32 expiryColour(qint64 daysLeft) {
    if (daysLeft >= 365)
        return colours::kWindowBackground;
    if (daysLeft >= 183)
        return 0x0000FF00u; // green
    if (daysLeft >= 92)
        return 0x0000FFFFu; // yellow
    if (daysLeft >= 45)
        return 0x000080FFu; // orange
    if (daysLeft >= 31)
        return 0x000000FFu; // red
    if (daysLeft >= 0)
        return 0x00FF00FFu; // magenta
    return 0x00FF0000u;     // blue
}

void colourByExpiry(RecordStore& store, QDate today) {
    if (store.Count() < 1)
        return;
    RecordStore::Batch batch(store);
    for (int k = 1; k <= store.Count(); ++k)
        store.setColour(k, expiryColour(daysLeft(store.record(k).ExpiryDate, today)));
}

} // namespace checks
