#include "record/recordchecks.h"
#include "record/serialdate.h"
#include "support/samplestation.h"
#include "support/shown.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

const QDate kToday(2024, 4, 1);
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

StationRecord make(const QString& callSign, QDate expiry, const QString& name = u"山田"_qs,
                   const QString& licenceNo = u"L"_qs) {
    return sampleStation(callSign, licenceNo, expiry, name);
}

std::vector<QString> texts(std::initializer_list<const char*> items) {
    std::vector<QString> out;
    for (const char* item : items)
        out.push_back(QString::fromUtf8(item));
    return out;
}

RecordStore storeOf(std::vector<StationRecord> records) {
    RecordStore store;
    store.load(std::move(records));
    return store;
}

} // namespace

TEST(colourByExpiry, ColoursAtEveryBorderAndForOddValues) {
    // Days left (a fraction is a time of day); beyond 32,767 days either way a 16-bit count
    // would wrap to the other sign.
    const std::pair<std::vector<double>, quint32> cases[] = {
        {{365, 40000, kNaN, 1e12}, colours::kWindowBackground},
        {{364, 183}, 0x0000FF00u},
        {{182, 92}, 0x0000FFFFu},
        {{91, 45}, 0x000080FFu},
        {{44, 31}, 0x000000FFu},
        {{30, 0.75}, 0x00FF00FFu},
        {{-0.25, -40000, -1e12}, 0x00FF0000u}};
    for (const auto& [days, colour] : cases) {
        std::vector<StationRecord> records(days.size());
        for (size_t i = 0; i < days.size(); ++i)
            records[i].ExpiryDate = serialdate::fromDate(kToday) + days[i];
        RecordStore store = storeOf(records);
        checks::colourByExpiry(store, kToday);
        for (size_t i = 0; i < days.size(); ++i)
            EXPECT_EQ(store.colour(int(i) + 1), colour) << days[i] << " days";
    }
}

// The sort orders by the date itself (not the era text), keeps equal dates in their order, puts
// values that are no date last, and leaves each record as its row shows it.
TEST(sortByExpiry, OrdersByDateStablyAndLeavesRecordsAsTheirRowsShow) {
    std::vector<StationRecord> records = {make(u"ＪＡ1"_qs, QDate(2015, 1, 1)),   // 平成27年
                                          make(u"ＪＡ2"_qs, QDate(2028, 5, 1)),   // 令和10年
                                          make(u"ＪＡ3"_qs, QDate(1997, 1, 1)),   // 平成9年
                                          make(u"  ＪＡ4"_qs, QDate(2020, 5, 1)), // 令和2年
                                          make(u"ＪＡ5"_qs, QDate(2015, 1, 1)), // same day as ＪＡ1
                                          make(u"ＪＡ6"_qs, QDate(2015, 1, 1)),
                                          make(u"ＪＡ7"_qs, QDate(2015, 1, 1))};
    records[5].ExpiryDate = kNaN;
    records[6].ExpiryDate = -1e9;
    records[3].ExpiryDate += 0.5; // a time of day
    RecordStore store = storeOf(records);
    checks::sortByExpiry(store);
    EXPECT_EQ(shownColumn(store, 1),
              texts({"ＪＡ3", "ＪＡ1", "ＪＡ5", "ＪＡ4", "ＪＡ2", "ＪＡ6", "ＪＡ7"}));
    EXPECT_EQ(shownColumn(store, 0), texts({"1", "2", "3", "4", "5", "6", "7"}));
    // The grid shows trimmed texts and days, so the record loses its leading spaces and the
    // date its time of day; the values that are no date are kept as they were.
    EXPECT_EQ(store.record(4).unpadded(Field::CallSign), u"ＪＡ4"_qs);
    EXPECT_EQ(store.record(4).ExpiryDate, serialdate::fromDate(QDate(2020, 5, 1)));
    EXPECT_TRUE(std::isnan(store.record(6).ExpiryDate));
    EXPECT_EQ(store.record(7).ExpiryDate, -1e9);
}

TEST(removeDuplicates, RemovesLowerEqualRowsWhateverElseDiffers) {
    std::vector<StationRecord> records = {
        make(u"ＪＡ1"_qs, QDate(2026, 1, 1), u"一"_qs, u"A"_qs),
        make(u"ＪＡ2"_qs, QDate(2025, 1, 1), u"二"_qs, u"B"_qs),
        make(u"ＪＡ1"_qs, QDate(2026, 1, 1), u"三"_qs, u"A"_qs),    // same entry, other name
        make(u"ｊａ1"_qs, QDate(2026, 1, 1), u"四"_qs, u"A"_qs),    // other case
        make(u"ＪＡ1"_qs, QDate(2026, 1, 2), u"五"_qs, u"A"_qs),    // other date
        make(u"  ＪＡ2 "_qs, QDate(2025, 1, 1), u"六"_qs, u"B"_qs), // differs in spaces only
        make(u"ＪＡ1"_qs, QDate(2026, 1, 1), u"七"_qs, u"C"_qs),    // other licence
        make(u"ＪＡ1"_qs, QDate(2026, 1, 1), u"八"_qs, u"A"_qs),    // a third equal row
        make(u"ＪＡ9"_qs, QDate(), u"九"_qs),
        make(u"ＪＡ9"_qs, QDate(), u"十"_qs)};
    records[8].ExpiryDate = kNaN;
    records[9].ExpiryDate = 1e12; // shows no date either
    records[0].ExpiryDate += 0.5; // the same day
    RecordStore store = storeOf(records);
    checks::removeDuplicates(store);
    EXPECT_EQ(shownColumn(store, 5), texts({"二", "一", "四", "七", "五", "九"}));
    EXPECT_EQ(shownColumn(store, 0), texts({"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(store.Modified, 1);

    // Without duplicates it leaves Modified.
    store.Modified = 0;
    checks::removeDuplicates(store);
    EXPECT_EQ(store.Modified, 0);
}

TEST(deleteRecord, RowsBelowKeepTheirNumbersUntilTheSort) {
    RecordStore store;
    for (int n = 1; n <= 4; ++n)
        store.append(make(QStringLiteral("ＪＡ%1").arg(n), QDate(2025, 1, 1).addMonths(n)));
    store.renumber();
    for (int row : {-1, 0, 5})
        checks::deleteRecord(store, row); // outside the register: nothing happens
    EXPECT_EQ(store.Modified, 0);
    const quint64 third = store.rowId(3);
    const quint64 second = store.rowId(2);
    checks::deleteRecord(store, 2);
    EXPECT_EQ(shownColumn(store, 0), texts({"1", "3", "4"}));
    EXPECT_EQ(store.Modified, 1);
    // Identities follow their records.
    EXPECT_EQ(store.rowOfId(second), 0);
    EXPECT_EQ(store.rowOfId(third), 2);
    checks::sortByExpiry(store);
    EXPECT_EQ(shownColumn(store, 0), texts({"1", "2", "3"}));
}
