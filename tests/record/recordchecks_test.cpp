#include "record/eradate.h"
#include "record/recordchecks.h"
#include "record/serialdate.h"
#include "record/sortorder.h"
#include "support/samplestation.h"
#include "support/shown.h"

#include <QRandomGenerator>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

const QDate kToday(2024, 4, 1);

StationRecord make(const QString& callSign, const QString& licenceNo, QDate expiry,
                   const QString& name = QStringLiteral("山田太郎")) {
    return sampleStation(callSign, licenceNo, expiry, name);
}

// Records n = 1..count with call signs ＪＡ1ＡＡn and expiries one month apart.
std::vector<StationRecord> numbered(int count) {
    std::vector<StationRecord> records;
    for (int n = 1; n <= count; ++n)
        records.push_back(make(QStringLiteral("ＪＡ１ＡＡ%1").arg(n),
                               QStringLiteral("関第%1号").arg(n),
                               QDate(2025, 1, 31).addMonths(n - 1)));
    return records;
}

struct Register {
    RecordStore store;
    explicit Register(std::vector<StationRecord> records = {}) { store.load(std::move(records)); }
    std::vector<QString> column(int c) const { return shownColumn(store, c); }
    std::vector<QString> callSigns() const { return column(1); }
};

std::vector<QString> texts(std::initializer_list<const char*> items) {
    std::vector<QString> out;
    for (const char* item : items)
        out.push_back(QString::fromUtf8(item));
    return out;
}

// The duplicate scan as a literal walk over every pair of rows, for comparison.
std::vector<QString> pairwiseSurvivors(std::vector<std::array<QString, 3>> rows) {
    for (size_t i = 0; i < rows.size(); ++i) {
        for (size_t j = i + 1; j < rows.size(); ++j) {
            if (rows[j] == rows[i]) {
                rows.erase(rows.begin() + qsizetype(j));
                --j;
            }
        }
    }
    std::vector<QString> out;
    for (const auto& row : rows)
        out.push_back(row[0] + u'|' + row[1] + u'|' + row[2]);
    return out;
}

} // namespace

TEST(LimitCheck, ColoursAtEveryBorder) {
    const std::vector<std::pair<int, quint32>> cases = {
        {365, colours::kWindowBackground},
        {364, 0x0000FF00u},
        {183, 0x0000FF00u},
        {182, 0x0000FFFFu},
        {92, 0x0000FFFFu},
        {91, 0x000080FFu},
        {45, 0x000080FFu},
        {44, 0x000000FFu},
        {31, 0x000000FFu},
        {30, 0x00FF00FFu},
        {0, 0x00FF00FFu},
        {-1, 0x00FF0000u},
    };
    std::vector<StationRecord> records;
    for (const auto& [days, colour] : cases)
        records.push_back(
            make(QStringLiteral("ＪＡ%1").arg(days), QStringLiteral("L"), kToday.addDays(days)));
    Register reg(records);
    checks::LimitCheck(reg.store, kToday);
    for (size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(reg.store.colour(int(i) + 1), cases[i].second) << cases[i].first << " days";
}

TEST(LimitCheck, FarDatesAndOddValuesDoNotWrapAround) {
    // Beyond 32,767 days either way a 16-bit count would wrap to the other sign.
    std::vector<StationRecord> records = {
        make(u"ＪＡ1"_qs, u"L"_qs, kToday.addDays(40000)),
        make(u"ＪＡ2"_qs, u"L"_qs, kToday.addDays(-40000)),
        make(u"ＪＡ3"_qs, u"L"_qs, kToday),
        make(u"ＪＡ4"_qs, u"L"_qs, kToday),
    };
    records[2].ExpiryDate = std::numeric_limits<double>::quiet_NaN();
    records[3].ExpiryDate = 1e12;  // far beyond any calendar date
    records[0].ExpiryDate += 0.75; // a time of day changes nothing
    Register reg(records);
    checks::LimitCheck(reg.store, kToday);
    EXPECT_EQ(reg.store.colour(1), colours::kWindowBackground);
    EXPECT_EQ(reg.store.colour(2), 0x00FF0000u);
    EXPECT_EQ(reg.store.colour(3), colours::kWindowBackground);
    EXPECT_EQ(reg.store.colour(4), colours::kWindowBackground);
    EXPECT_EQ(checks::daysLeft(-1e12, kToday), std::numeric_limits<qint32>::min());
    EXPECT_EQ(checks::daysLeft(serialdate::fromDate(kToday) + 0.9, kToday), 0);
}

TEST(DataSort, OrdersByTheDateItselfAndKeepsEqualDatesInOrder) {
    Register reg({
        make(u"ＪＡ1"_qs, u"A"_qs, QDate(2015, 1, 1)), // 平成27年
        make(u"ＪＡ2"_qs, u"B"_qs, QDate(2028, 5, 1)), // 令和10年
        make(u"ＪＡ3"_qs, u"C"_qs, QDate(1997, 1, 1)), // 平成9年
        make(u"ＪＡ4"_qs, u"D"_qs, QDate(2020, 5, 1)), // 令和2年
        make(u"ＪＡ5"_qs, u"E"_qs, QDate(2015, 1, 1)), // same day as ＪＡ1
        make(u"ＪＡ6"_qs, u"F"_qs, QDate(2015, 1, 1)),
    });
    reg.store.Modified = 0;
    checks::DataSort(reg.store);
    EXPECT_EQ(reg.callSigns(), texts({"ＪＡ3", "ＪＡ1", "ＪＡ5", "ＪＡ6", "ＪＡ4", "ＪＡ2"}));
    EXPECT_EQ(reg.column(0), texts({"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(shownText(reg.store, 1, 3), u"平成9年01月01日"_qs);
    EXPECT_EQ(reg.store.Modified, 0);
}

TEST(DataSort, SameOrderAsSortByExpiry) {
    std::vector<StationRecord> records;
    QRandomGenerator random(7);
    for (int i = 0; i < 300; ++i) {
        records.push_back(make(QStringLiteral("ＪＡ%1").arg(i), u"L"_qs,
                               QDate(2020, 1, 1).addDays(random.bounded(60))));
    }
    records[5].ExpiryDate = std::numeric_limits<double>::quiet_NaN();
    records[9].ExpiryDate = -1e9;
    Register reg(records);
    checks::DataSort(reg.store);
    std::vector<StationRecord> sorted = records;
    sortByExpiry(sorted);
    ASSERT_EQ(reg.store.Count(), int(sorted.size()));
    for (int k = 1; k <= reg.store.Count(); ++k)
        EXPECT_EQ(reg.store.record(k).unpadded(Field::CallSign),
                  sorted[size_t(k - 1)].unpadded(Field::CallSign))
            << k;
    // Dates that cannot be shown go last, in their previous order, and keep their values.
    EXPECT_TRUE(std::isnan(reg.store.record(299).ExpiryDate));
    EXPECT_EQ(reg.store.record(300).ExpiryDate, -1e9);
}

TEST(DataSort, LeavesEachRecordAsItsRowShowsIt) {
    StationRecord leading = make(u"  ＪＡ1"_qs, u"A"_qs, QDate(2026, 1, 1));
    leading.ExpiryDate += 0.5; // a time of day
    StationRecord blankLate, blankEarly;
    blankLate.setExpiry(QDate(2030, 1, 1));
    blankEarly.setExpiry(QDate(2020, 1, 1));
    Register reg({leading, blankLate, make(u"ＪＡ2"_qs, u"B"_qs, QDate(2025, 1, 1)), blankEarly});
    checks::DataSort(reg.store);
    EXPECT_EQ(reg.callSigns(), texts({"", "ＪＡ2", "ＪＡ1", ""}));
    // The grid shows trimmed texts, so the leading spaces are gone from the record too, and the
    // date comes back without its time of day.
    EXPECT_EQ(reg.store.record(3).text(Field::CallSign), fixedWidth(u"ＪＡ1", 12));
    EXPECT_EQ(reg.store.record(3).ExpiryDate, serialdate::fromDate(QDate(2026, 1, 1)));
    EXPECT_EQ(reg.store.record(4).expiry(), QDate(2030, 1, 1));
    // Sorting again changes nothing.
    const std::vector<StationRecord> sorted = reg.store.records();
    checks::DataSort(reg.store);
    EXPECT_EQ(reg.store.records(), sorted);
}

TEST(DupeCheck2Mem, RemovesLowerEqualRowsWhateverElseDiffers) {
    Register reg({
        make(u"ＪＡ1"_qs, u"A"_qs, QDate(2026, 1, 1), u"一"_qs),
        make(u"ＪＡ2"_qs, u"B"_qs, QDate(2025, 1, 1), u"二"_qs),
        make(u"ＪＡ1"_qs, u"A"_qs, QDate(2026, 1, 1), u"三"_qs),    // same entry, other name
        make(u"ｊａ1"_qs, u"A"_qs, QDate(2026, 1, 1), u"四"_qs),    // other case
        make(u"ＪＡ1"_qs, u"A"_qs, QDate(2026, 1, 2), u"五"_qs),    // other date
        make(u"  ＪＡ2 "_qs, u"B"_qs, QDate(2025, 1, 1), u"六"_qs), // differs in spaces only
    });
    checks::DupeCheck2Mem(reg.store);
    // The survivors, sorted by date: 二, 一, 四, 五.
    EXPECT_EQ(reg.column(5), texts({"二", "一", "四", "五"}));
    EXPECT_EQ(reg.column(0), texts({"1", "2", "3", "4"}));
    EXPECT_EQ(reg.store.Modified, 1);
}

TEST(DupeCheck2Mem, ThreeEqualRowsLeaveTheTopmost) {
    Register reg({
        make(u"ＪＡ1"_qs, u"A"_qs, QDate(2026, 1, 1), u"一"_qs),
        make(u"ＪＡ1"_qs, u"A"_qs, QDate(2026, 1, 1), u"二"_qs),
        make(u"ＪＡ1"_qs, u"A"_qs, QDate(2026, 1, 1), u"三"_qs),
        make(u"ＪＡ9"_qs, u"Z"_qs, QDate(2026, 1, 1), u"四"_qs),
    });
    checks::DupeCheck2Mem(reg.store);
    EXPECT_EQ(reg.column(5), texts({"一", "四"}));
}

TEST(DupeCheck2Mem, NoDuplicatesStillSortsButLeavesModified) {
    Register reg({make(u"ＪＡ1"_qs, u"A"_qs, QDate(2026, 1, 1)),
                  make(u"ＪＡ2"_qs, u"B"_qs, QDate(2025, 1, 1))});
    checks::DupeCheck2Mem(reg.store);
    EXPECT_EQ(reg.callSigns(), texts({"ＪＡ2", "ＪＡ1"}));
    EXPECT_EQ(reg.store.Modified, 0);
}

TEST(DupeCheck2Mem, ZeroOrOneRecordChangesNothing) {
    Register empty;
    checks::DupeCheck2Mem(empty.store);
    EXPECT_EQ(empty.store.Count(), 0);

    Register one(numbered(2));
    checks::DelGrid2Mem(one.store, 1); // the survivor keeps its number 2
    one.store.replace(1, make(u"ＪＡ2"_qs, u"B"_qs, QDate(2026, 1, 1), u"  名前"_qs));
    one.store.Modified = 0;
    checks::DupeCheck2Mem(one.store);
    EXPECT_EQ(one.column(0), texts({"2"}));
    // Neither sorted nor made as its row shows it.
    EXPECT_EQ(one.store.record(1).unpadded(Field::HolderName), u"  名前"_qs);
    EXPECT_EQ(one.store.Modified, 0);
}

TEST(DupeCheck2Mem, SameSurvivorsAsComparingEveryPair) {
    QRandomGenerator random(11);
    std::vector<StationRecord> records;
    std::vector<std::array<QString, 3>> keys;
    for (int i = 0; i < 400; ++i) {
        // Few distinct values, so that many rows repeat each other in part or in whole.
        const QString call = QStringLiteral("ＪＡ%1").arg(random.bounded(6));
        const QString licence = QStringLiteral("L%1").arg(random.bounded(3));
        const QDate expiry = QDate(2026, 1, 1).addDays(random.bounded(4));
        records.push_back(make(call, licence, expiry, QString::number(i)));
        keys.push_back({call, licence, FormatEraDate(expiry)});
    }
    records[17].ExpiryDate = std::numeric_limits<double>::quiet_NaN(); // shows no date at all
    records[18] = records[17];
    keys[17][2] = keys[18][2] = QString();
    keys[18][0] = keys[17][0];
    keys[18][1] = keys[17][1];
    const std::vector<QString> expected = pairwiseSurvivors(keys);
    Register reg(records);
    checks::DupeCheck2Mem(reg.store);
    // The same rows survive (compared as sets: the survivors are sorted afterwards).
    std::vector<QString> actual;
    for (int row = 1; row <= reg.store.Count(); ++row)
        actual.push_back(shownText(reg.store, row, 1) + u'|' + shownText(reg.store, row, 2) + u'|' +
                         shownText(reg.store, row, 3));
    std::vector<QString> expectedSorted = expected;
    std::sort(expectedSorted.begin(), expectedSorted.end());
    std::sort(actual.begin(), actual.end());
    EXPECT_EQ(actual, expectedSorted);
    EXPECT_LE(expected.size(), 73u); // 6 × 3 × 4 keys and one without a date at most
    for (int row = 2; row < reg.store.Count(); ++row)
        EXPECT_LE(reg.store.record(row - 1).ExpiryDate, reg.store.record(row).ExpiryDate);
}

TEST(DelGrid2Mem, DeletingTheOnlyRecordLeavesAnEmptyRegister) {
    Register reg({make(u"ＪＡ1"_qs, u"A"_qs, QDate(2026, 1, 1))});
    checks::DelGrid2Mem(reg.store, 1);
    EXPECT_EQ(reg.store.Count(), 0);
    EXPECT_EQ(reg.store.Modified, 1);
    // On an empty register nothing happens at all.
    reg.store.Modified = 0;
    checks::DelGrid2Mem(reg.store, 1);
    EXPECT_EQ(reg.store.Modified, 0);
}

TEST(DelGrid2Mem, RowsBelowKeepTheirNumbersUntilTheSort) {
    Register reg(numbered(5));
    checks::DelGrid2Mem(reg.store, 3);
    EXPECT_EQ(reg.column(0), texts({"1", "2", "4", "5"}));
    EXPECT_EQ(reg.callSigns(), texts({"ＪＡ１ＡＡ1", "ＪＡ１ＡＡ2", "ＪＡ１ＡＡ4", "ＪＡ１ＡＡ5"}));
    EXPECT_EQ(reg.store.Modified, 1);
    checks::DataSort(reg.store);
    EXPECT_EQ(reg.column(0), texts({"1", "2", "3", "4"}));
}

TEST(DelGrid2Mem, RowsOutsideTheRegisterAreIgnored) {
    Register reg(numbered(2));
    for (int row : {0, -1, 3, 40000})
        checks::DelGrid2Mem(reg.store, row);
    EXPECT_EQ(reg.store.Count(), 2);
    EXPECT_EQ(reg.store.Modified, 0);
}

TEST(RecordStore, IdentitiesFollowTheirRecords) {
    std::vector<StationRecord> records = numbered(4);
    // Reversed dates, so that the sort turns the rows round.
    for (int i = 0; i < 4; ++i)
        records[size_t(i)].setExpiry(QDate(2030, 1, 1).addDays(-i));
    Register reg(records);
    const quint64 third = reg.store.rowId(3);
    const quint64 second = reg.store.rowId(2);
    ASSERT_NE(third, 0u);
    checks::DataSort(reg.store);
    EXPECT_EQ(reg.store.rowOfId(third), 2);
    EXPECT_EQ(reg.store.record(2).trimmed(Field::CallSign), u"ＪＡ１ＡＡ3"_qs);
    checks::DelGrid2Mem(reg.store, reg.store.rowOfId(second));
    EXPECT_EQ(reg.store.rowOfId(second), 0);
    EXPECT_EQ(reg.store.rowOfId(third), 2);
    reg.store.replace(2, make(u"ＪＡ0"_qs, u"Z"_qs, QDate(2027, 1, 1)));
    EXPECT_EQ(reg.store.rowOfId(third), 2);

    // A merge keeps the records already there; opening another register does not.
    reg.store.extend({make(u"ＪＡ9"_qs, u"Z"_qs, QDate(2027, 1, 1))});
    EXPECT_EQ(reg.store.rowOfId(third), 2);
    const quint64 added = reg.store.rowId(4);
    EXPECT_NE(added, 0u);
    EXPECT_EQ(reg.column(0), texts({"1", "2", "3", "4"}));
    reg.store.load(records);
    EXPECT_EQ(reg.store.rowOfId(third), 0);
    EXPECT_EQ(reg.store.rowOfId(added), 0);
    EXPECT_EQ(reg.store.rowOfId(0), 0);
}
