#include "mainwin/recordchecks.h"

#include "record/serialdate.h"
#include "record/sortorder.h"

#include <QHashFunctions>
#include <cmath>
#include <limits>
#include <numeric>

namespace checks {

namespace {

// What makes two rows the same station entry.
struct EntryKey {
    QStringView callSign;
    QStringView licenceNo;
    QStringView expiry;
    bool operator==(const EntryKey&) const = default;
};

size_t hashOf(const EntryKey& key) {
    return qHashMulti(0, key.callSign, key.licenceNo, key.expiry);
}

// Marks every row whose entry equals that of a row above it. One pass over the rows with an
// open-addressing table of row numbers.
std::vector<bool> repeatedEntries(const RecordGrid& grid) {
    const size_t rows = size_t(grid.dataRows());
    std::vector<EntryKey> keys;
    std::vector<size_t> hashes;
    keys.reserve(rows);
    hashes.reserve(rows);
    // The rows and their texts lie scattered in memory: fetch them a few rows ahead.
    constexpr int kRowsAhead = 16;
    constexpr int kTextsAhead = 8;
    for (int row = 1; row <= int(rows); ++row) {
        if (row + kRowsAhead <= int(rows))
            __builtin_prefetch(&grid.dataRowAt(row + kRowsAhead).cells[1]);
        if (row + kTextsAhead <= int(rows)) {
            const RecordGrid::Cells& ahead = grid.dataRowAt(row + kTextsAhead).cells;
            for (int column = 1; column <= 3; ++column)
                __builtin_prefetch(ahead[size_t(column)].constData());
        }
        const RecordGrid::Cells& cells = grid.dataRowAt(row).cells;
        keys.push_back({trimmedSpaces(cells[1]), trimmedSpaces(cells[2]), trimmedSpaces(cells[3])});
        hashes.push_back(hashOf(keys.back()));
    }
    size_t capacity = 16;
    while (capacity < rows * 2)
        capacity *= 2;
    std::vector<int> table(capacity, -1);
    std::vector<bool> repeated(rows, false);
    for (size_t i = 0; i < rows; ++i) {
        for (size_t slot = hashes[i] & (capacity - 1);; slot = (slot + 1) & (capacity - 1)) {
            const int seen = table[slot];
            if (seen < 0) {
                table[slot] = int(i);
                break;
            }
            if (hashes[size_t(seen)] == hashes[i] && keys[size_t(seen)] == keys[i]) {
                repeated[i] = true;
                break;
            }
        }
    }
    return repeated;
}

// Sorts the rows by expiry; previousPosition follows the rows.
void sortRows(RecordGrid& grid, std::vector<int>& previousPosition) {
    std::vector<double> expiries;
    expiries.reserve(size_t(grid.dataRows()));
    for (int row = 1; row <= grid.dataRows(); ++row)
        expiries.push_back(grid.dataRowAt(row).expiry);
    const std::vector<int> order = expiryOrder(expiries);
    grid.reorder(order);
    std::vector<int> moved;
    moved.reserve(order.size());
    for (int index : order)
        moved.push_back(size_t(index) < previousPosition.size() ? previousPosition[size_t(index)]
                                                                : 0);
    previousPosition = std::move(moved);
}

std::vector<int> identityPositions(int count) {
    std::vector<int> positions(static_cast<size_t>(count));
    std::iota(positions.begin(), positions.end(), 1);
    return positions;
}

} // namespace

void rebuildStore(RecordGrid& grid, RecordStore& store, const std::vector<int>& previousPosition) {
    const size_t count = size_t(grid.dataRows());
    std::vector<StationRecord> records = store.takeAll();
    const size_t total = std::max(count, records.size());
    records.resize(total);

    // source[k]: the old record that goes to slot k. Old records nobody takes fill the
    // remaining slots, so that source is a permutation and the records move in place, without
    // a second register in memory.
    std::vector<int> source(total, -1);
    std::vector<bool> taken(total, false);
    std::vector<bool> known(count, false);
    for (size_t k = 0; k < count && k < previousPosition.size(); ++k) {
        const int old = previousPosition[k] - 1;
        if (old >= 0 && size_t(old) < total && !taken[size_t(old)]) {
            source[k] = old;
            taken[size_t(old)] = true;
            known[k] = true;
        }
    }
    size_t unused = 0;
    for (size_t k = 0; k < total; ++k) {
        if (source[k] >= 0)
            continue;
        while (taken[unused])
            ++unused;
        source[k] = int(unused);
        taken[unused] = true;
    }
    std::vector<bool> placed(total, false);
    for (size_t start = 0; start < total; ++start) {
        if (placed[start] || size_t(source[start]) == start) {
            placed[start] = true;
            continue;
        }
        StationRecord held = std::move(records[start]);
        size_t k = start;
        while (size_t(source[k]) != start) {
            records[k] = std::move(records[size_t(source[k])]);
            placed[k] = true;
            k = size_t(source[k]);
        }
        records[k] = std::move(held);
        placed[k] = true;
    }
    records.resize(count);

    // Each slot now holds the record its row came from, where known; the row's texts decide.
    for (size_t k = 0; k < count; ++k) {
        const int row = int(k) + 1;
        if (known[k] && grid.inStepWith(row, records[k]))
            continue;
        if (!known[k] || !grid.shows(row, records[k]))
            records[k] = grid.toRecord(row, known[k] ? &records[k] : nullptr);
        grid.markInStep(row, records[k]);
    }
    store.rebuild(std::move(records));
}

void DelGrid2Mem(RecordGrid& grid, RecordStore& store, int row) {
    if (store.Count() == 0)
        return;
    RecordGrid::Batch batch(grid);
    if (store.Count() == 1 && row == 1) {
        // The grid falls back to its one blank row.
        grid.clearRows();
        store.clear();
        store.Modified = 1;
        return;
    }
    if (row < 1 || row > grid.dataRows() || row > store.Count())
        return;
    grid.removeRow(row);
    std::vector<int> previous;
    previous.reserve(size_t(grid.dataRows()));
    for (int k = 1; k <= grid.dataRows(); ++k)
        previous.push_back(k < row ? k : k + 1);
    rebuildStore(grid, store, previous);
    store.Modified = 1;
}

void DupeCheck2Mem(RecordGrid& grid, RecordStore& store) {
    RecordGrid::Batch batch(grid);
    if (grid.Rows() <= 2)
        return;
    // Keeping the first row of each set of equal entries gives what comparing every pair of
    // rows, top down, removing the lower of an equal pair, gives.
    const std::vector<bool> remove = repeatedEntries(grid);
    std::vector<int> previous;
    previous.reserve(remove.size());
    for (size_t i = 0; i < remove.size(); ++i) {
        if (!remove[i])
            previous.push_back(int(i) + 1);
    }
    const bool removedAny = previous.size() < remove.size();
    if (removedAny)
        grid.removeRows(remove);
    sortRows(grid, previous);
    grid.renumber(grid.dataRows());
    rebuildStore(grid, store, previous);
    if (removedAny)
        store.Modified = 1;
}

void DataSort(RecordGrid& grid, RecordStore& store) {
    RecordGrid::Batch batch(grid);
    std::vector<int> previous = identityPositions(grid.dataRows());
    sortRows(grid, previous);
    grid.renumber(grid.dataRows());
    rebuildStore(grid, store, previous);
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

void LimitCheck(RecordGrid& grid, const RecordStore& store, QDate today) {
    if (store.Count() < 1)
        return;
    RecordGrid::Batch batch(grid);
    const int count = std::min(store.Count(), grid.dataRows());
    for (int k = 1; k <= count; ++k)
        grid.setColour(k, expiryColour(daysLeft(store.record(k).ExpiryDate, today)));
}

} // namespace checks
