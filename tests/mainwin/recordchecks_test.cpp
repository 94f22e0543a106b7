#include "mainwin/recordchecks.h"
#include "record/eradate.h"
#include "record/serialdate.h"
#include "record/sortorder.h"
#include "stations.h"

#include <QRandomGenerator>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using stations::make;
using stations::Register;

namespace {

const QDate kToday(2024, 4, 1);

std::vector<QString> texts(std::initializer_list<const char*> items) {
    std::vector<QString> out;
    for (const char* item : items)
        out.push_back(QString::fromUtf8(item));
    return out;
}

// Every data row shows exactly the record of the same number.
void expectGridMatchesStore(const Register& reg) {
    ASSERT_EQ(reg.grid.dataRows(), reg.store.Count());
    for (int k = 1; k <= reg.store.Count(); ++k) {
        const StationRecord& r = reg.store.record(k);
        for (int column = 1; column < RecordGrid::kColumns; ++column) {
            const Field field = fieldForGridColumn(column);
            const QString expected =
                field == Field::ExpiryDate ? FormatEraDate(r.expiry()) : r.trimmed(field);
            EXPECT_EQ(reg.grid.text(k, column), expected) << "row " << k << " column " << column;
        }
    }
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
    checks::LimitCheck(reg.grid, reg.store, kToday);
    for (size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(reg.grid.colour(int(i) + 1), cases[i].second) << cases[i].first << " days";
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
    checks::LimitCheck(reg.grid, reg.store, kToday);
    EXPECT_EQ(reg.grid.colour(1), colours::kWindowBackground);
    EXPECT_EQ(reg.grid.colour(2), 0x00FF0000u);
    EXPECT_EQ(reg.grid.colour(3), colours::kWindowBackground);
    EXPECT_EQ(reg.grid.colour(4), colours::kWindowBackground);
    EXPECT_EQ(checks::daysLeft(-1e12, kToday), std::numeric_limits<qint32>::min());
    EXPECT_EQ(checks::daysLeft(serialdate::fromDate(kToday) + 0.9, kToday), 0);
}

TEST(LimitCheck, EmptyRegisterLeavesTheBlankRowAlone) {
    Register reg;
    checks::LimitCheck(reg.grid, reg.store, kToday);
    EXPECT_EQ(reg.grid.Rows(), 2);
    EXPECT_EQ(reg.grid.colour(1), colours::kWindowBackground);
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
    checks::DataSort(reg.grid, reg.store);
    EXPECT_EQ(reg.callSigns(), texts({"ＪＡ3", "ＪＡ1", "ＪＡ5", "ＪＡ6", "ＪＡ4", "ＪＡ2"}));
    EXPECT_EQ(reg.column(0), texts({"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(reg.grid.text(1, 3), u"平成9年01月01日"_qs);
    EXPECT_EQ(reg.store.Modified, 0);
    expectGridMatchesStore(reg);
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
    checks::DataSort(reg.grid, reg.store);
    std::vector<StationRecord> sorted = records;
    sortByExpiry(sorted);
    ASSERT_EQ(reg.store.Count(), int(sorted.size()));
    for (int k = 1; k <= reg.store.Count(); ++k)
        EXPECT_EQ(reg.store.record(k).CallSign, sorted[size_t(k - 1)].CallSign) << k;
    // Dates that cannot be shown go last, in their previous order, and keep their values.
    EXPECT_TRUE(std::isnan(reg.store.record(299).ExpiryDate));
    EXPECT_EQ(reg.store.record(300).ExpiryDate, -1e9);
}

TEST(DataSort, RebuildCutsLongValuesButTheCellKeepsThem) {
    Register reg({make(u"ＪＡ1"_qs, u"A"_qs, QDate(2026, 1, 1))});
    const QString longAddress(60, QChar(u'町'));
    const QString longCall = u"ＪＡ１ＡＢＣＤＥＦＧＨＩＪ"_qs; // 13 characters
    reg.grid.setText(1, 8, longAddress);
    reg.grid.setText(1, 1, longCall);
    checks::DataSort(reg.grid, reg.store);
    EXPECT_EQ(reg.store.record(1).StationAddr1, longAddress.left(50));
    EXPECT_EQ(reg.store.record(1).CallSign, longCall.left(12));
    EXPECT_EQ(reg.grid.text(1, 8), longAddress);
    EXPECT_EQ(reg.grid.text(1, 1), longCall);
    // And again: the cell still cuts the same way.
    checks::DataSort(reg.grid, reg.store);
    EXPECT_EQ(reg.store.record(1).StationAddr1, longAddress.left(50));
}

TEST(DataSort, RebuildTakesTheCellsNotTheOldRecord) {
    StationRecord leading = make(u"  ＪＡ1"_qs, u"A"_qs, QDate(2026, 1, 1));
    leading.ExpiryDate += 0.5; // a time of day
    Register reg({leading, make(u"ＪＡ2"_qs, u"B"_qs, QDate(2025, 1, 1))});
    reg.grid.setText(2, 5, u"佐藤花子"_qs);
    checks::DataSort(reg.grid, reg.store);
    // Row 2 (ＪＡ2) moved to the top with its edited name.
    EXPECT_EQ(reg.store.record(1).trimmed(Field::HolderName), u"佐藤花子"_qs);
    // The grid shows trimmed texts, so the leading spaces are gone from the record too, and the
    // date comes back without its time of day.
    EXPECT_EQ(reg.store.record(2).text(Field::CallSign), fixedWidth(u"ＪＡ1", 12));
    EXPECT_EQ(reg.store.record(2).ExpiryDate, serialdate::fromDate(QDate(2026, 1, 1)));
    expectGridMatchesStore(reg);
}

TEST(DataSort, UnreadableDateTextKeepsTheRowsDate) {
    Register reg({make(u"ＪＡ1"_qs, u"A"_qs, QDate(2026, 1, 1)),
                  make(u"ＪＡ2"_qs, u"B"_qs, QDate(2025, 1, 1))});
    reg.grid.setText(1, 3, u"不明"_qs);
    checks::DataSort(reg.grid, reg.store);
    EXPECT_EQ(reg.callSigns(), texts({"ＪＡ2", "ＪＡ1"}));
    EXPECT_EQ(reg.store.record(2).expiry(), QDate(2026, 1, 1));
    EXPECT_EQ(reg.grid.text(2, 3), u"不明"_qs);
    // A readable text sets the date.
    reg.grid.setText(2, 3, u"令和2年3月4日"_qs);
    checks::DataSort(reg.grid, reg.store);
    EXPECT_EQ(reg.store.record(1).expiry(), QDate(2020, 3, 4));
}

TEST(DataSort, EmptyRegisterKeepsOneBlankRow) {
    Register reg;
    checks::DataSort(reg.grid, reg.store);
    EXPECT_EQ(reg.grid.Rows(), 2);
    EXPECT_EQ(reg.grid.dataRows(), 0);
    EXPECT_EQ(reg.store.Count(), 0);
    EXPECT_TRUE(reg.grid.text(1, 1).isEmpty());
}

TEST(DupeCheck2Mem, RemovesLowerEqualRowsWhateverElseDiffers) {
    Register reg({
        make(u"ＪＡ1"_qs, u"A"_qs, QDate(2026, 1, 1), u"一"_qs),
        make(u"ＪＡ2"_qs, u"B"_qs, QDate(2025, 1, 1), u"二"_qs),
        make(u"ＪＡ1"_qs, u"A"_qs, QDate(2026, 1, 1), u"三"_qs),  // same entry, other name
        make(u"ｊａ1"_qs, u"A"_qs, QDate(2026, 1, 1), u"四"_qs),  // other case
        make(u"ＪＡ1"_qs, u"A"_qs, QDate(2026, 1, 2), u"五"_qs),  // other date
        make(u"ＪＡ2 "_qs, u"B"_qs, QDate(2025, 1, 1), u"六"_qs), // differs in spaces only
    });
    reg.grid.setText(6, 1, u"  ＪＡ2 "_qs);
    checks::DupeCheck2Mem(reg.grid, reg.store);
    // The survivors, sorted by date: 二, 一, 四, 五.
    EXPECT_EQ(reg.column(5), texts({"二", "一", "四", "五"}));
    EXPECT_EQ(reg.column(0), texts({"1", "2", "3", "4"}));
    EXPECT_EQ(reg.store.Count(), 4);
    EXPECT_EQ(reg.store.Modified, 1);
    expectGridMatchesStore(reg);
}

TEST(DupeCheck2Mem, ThreeEqualRowsLeaveTheTopmost) {
    Register reg({
        make(u"ＪＡ1"_qs, u"A"_qs, QDate(2026, 1, 1), u"一"_qs),
        make(u"ＪＡ1"_qs, u"A"_qs, QDate(2026, 1, 1), u"二"_qs),
        make(u"ＪＡ1"_qs, u"A"_qs, QDate(2026, 1, 1), u"三"_qs),
        make(u"ＪＡ9"_qs, u"Z"_qs, QDate(2026, 1, 1), u"四"_qs),
    });
    checks::DupeCheck2Mem(reg.grid, reg.store);
    EXPECT_EQ(reg.column(5), texts({"一", "四"}));
    EXPECT_EQ(reg.store.Count(), 2);
}

TEST(DupeCheck2Mem, NoDuplicatesStillSortsButLeavesModified) {
    Register reg({make(u"ＪＡ1"_qs, u"A"_qs, QDate(2026, 1, 1)),
                  make(u"ＪＡ2"_qs, u"B"_qs, QDate(2025, 1, 1))});
    checks::DupeCheck2Mem(reg.grid, reg.store);
    EXPECT_EQ(reg.callSigns(), texts({"ＪＡ2", "ＪＡ1"}));
    EXPECT_EQ(reg.store.Modified, 0);
}

TEST(DupeCheck2Mem, ZeroOrOneRecordChangesNothing) {
    Register empty;
    checks::DupeCheck2Mem(empty.grid, empty.store);
    EXPECT_EQ(empty.grid.Rows(), 2);
    EXPECT_EQ(empty.store.Count(), 0);

    Register one({make(u"ＪＡ1"_qs, u"A"_qs, QDate(2026, 1, 1))});
    one.grid.setText(1, 0, u"7"_qs);
    one.grid.setText(1, 5, u"  名前  "_qs);
    checks::DupeCheck2Mem(one.grid, one.store);
    EXPECT_EQ(one.grid.text(1, 0), u"7"_qs);
    // The store was not rebuilt from the edited cell.
    EXPECT_EQ(one.store.record(1).trimmed(Field::HolderName), u"山田太郎"_qs);
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
    const std::vector<QString> expected = pairwiseSurvivors(keys);
    Register reg(records);
    checks::DupeCheck2Mem(reg.grid, reg.store);
    // The same rows survive (compared as sets: the survivors are sorted afterwards), and among
    // equal dates the survivors keep their order.
    std::vector<QString> actual;
    for (int row = 1; row <= reg.grid.dataRows(); ++row)
        actual.push_back(reg.grid.text(row, 1) + u'|' + reg.grid.text(row, 2) + u'|' +
                         reg.grid.text(row, 3));
    std::vector<QString> expectedSorted = expected;
    std::vector<QString> actualSorted = actual;
    std::sort(expectedSorted.begin(), expectedSorted.end());
    std::sort(actualSorted.begin(), actualSorted.end());
    EXPECT_EQ(actualSorted, expectedSorted);
    EXPECT_LE(expected.size(), 72u); // 6 × 3 × 4 keys at most: many rows went
    for (int row = 2; row <= reg.grid.dataRows(); ++row)
        EXPECT_LE(reg.grid.expiry(row - 1), reg.grid.expiry(row));
    expectGridMatchesStore(reg);
}

TEST(DelGrid2Mem, DeletingTheOnlyRecordLeavesOneBlankRow) {
    Register reg({make(u"ＪＡ1"_qs, u"A"_qs, QDate(2026, 1, 1))});
    checks::DelGrid2Mem(reg.grid, reg.store, 1);
    EXPECT_EQ(reg.grid.Rows(), 2);
    EXPECT_EQ(reg.grid.dataRows(), 0);
    EXPECT_TRUE(reg.grid.text(1, 1).isEmpty());
    EXPECT_EQ(reg.store.Count(), 0);
    EXPECT_EQ(reg.store.Modified, 1);
    // On an empty register nothing happens at all.
    reg.store.Modified = 0;
    checks::DelGrid2Mem(reg.grid, reg.store, 1);
    EXPECT_EQ(reg.store.Modified, 0);
}

TEST(DelGrid2Mem, RowsBelowKeepTheirNumbersUntilTheSort) {
    Register reg(stations::numbered(5));
    checks::DelGrid2Mem(reg.grid, reg.store, 3);
    EXPECT_EQ(reg.grid.Rows(), 5);
    EXPECT_EQ(reg.column(0), texts({"1", "2", "4", "5"}));
    EXPECT_EQ(reg.callSigns(), texts({"ＪＡ１ＡＡ1", "ＪＡ１ＡＡ2", "ＪＡ１ＡＡ4", "ＪＡ１ＡＡ5"}));
    EXPECT_EQ(reg.store.Modified, 1);
    expectGridMatchesStore(reg);
    checks::DataSort(reg.grid, reg.store);
    EXPECT_EQ(reg.column(0), texts({"1", "2", "3", "4"}));
}

TEST(DelGrid2Mem, RowsOutsideTheRegisterAreIgnored) {
    Register reg(stations::numbered(2));
    for (int row : {0, -1, 3, 40000})
        checks::DelGrid2Mem(reg.grid, reg.store, row);
    EXPECT_EQ(reg.store.Count(), 2);
    EXPECT_EQ(reg.store.Modified, 0);
}

TEST(RecordGrid, IdentitiesFollowTheirRows) {
    Register reg(stations::numbered(4));
    const quint64 third = reg.grid.rowId(3);
    const quint64 second = reg.grid.rowId(2);
    ASSERT_NE(third, 0u);
    // Reverse the dates so the sort turns the rows round.
    for (int row = 1; row <= 4; ++row)
        reg.grid.setText(row, 3, FormatEraDate(QDate(2030, 1, 1).addDays(-row)));
    checks::DataSort(reg.grid, reg.store);
    EXPECT_EQ(reg.grid.rowOfId(third), 2);
    EXPECT_EQ(reg.store.record(2).trimmed(Field::CallSign), u"ＪＡ１ＡＡ3"_qs);
    checks::DelGrid2Mem(reg.grid, reg.store, reg.grid.rowOfId(second));
    EXPECT_EQ(reg.grid.rowOfId(second), 0);
    EXPECT_EQ(reg.grid.rowOfId(third), 2);

    // A merge keeps the rows already there; opening another register does not.
    reg.store.extend({stations::make(u"ＪＡ9"_qs, u"Z"_qs, QDate(2027, 1, 1))});
    reg.grid.refresh(reg.store, 3);
    EXPECT_EQ(reg.grid.rowOfId(third), 2);
    const quint64 added = reg.grid.rowId(4);
    EXPECT_NE(added, 0u);
    reg.grid.refresh(reg.store);
    EXPECT_EQ(reg.grid.rowOfId(third), 0);
    EXPECT_EQ(reg.grid.rowOfId(added), 0);
    EXPECT_EQ(reg.grid.rowOfId(0), 0);
}

TEST(RecordGrid, CellsShowTrimmedFieldsInGridOrder) {
    StationRecord r = make(u"ＪＡ6ＡＢＣ"_qs, u"九第123号"_qs, QDate(2024, 3, 31));
    r.set(Field::HolderName, u"\u3000全角空白"); // a full-width space is text
    const RecordGrid::Cells cells = RecordGrid::cellsOf(r, 12);
    EXPECT_EQ(cells[0], u"12"_qs);
    EXPECT_EQ(cells[1], u"ＪＡ6ＡＢＣ"_qs);
    EXPECT_EQ(cells[3], u"令和6年03月31日"_qs);
    EXPECT_EQ(cells[5], u"\u3000全角空白"_qs);
    EXPECT_EQ(cells[7], u"102-0074"_qs); // station postal code in column 7
    EXPECT_TRUE(cells[10].isEmpty());    // no club
    EXPECT_EQ(RecordGrid::headerText(17), u"申請書Tel"_qs);

    // A record appended by hand replaces the blank row of an empty grid.
    Register reg;
    reg.grid.appendRow(cells, r.ExpiryDate);
    EXPECT_EQ(reg.grid.Rows(), 2);
    EXPECT_EQ(reg.grid.dataRows(), 1);
    EXPECT_EQ(reg.grid.text(1, 1), u"ＪＡ6ＡＢＣ"_qs);
}

TEST(DataSort, RowsTheStoreDoesNotHoldYetAreRebuiltToo) {
    // The new-registration dialog appends to the store and to the grid; if only the grid has
    // the row, the rebuild still takes it from the grid.
    Register reg(stations::numbered(3, QDate(2025, 6, 30)));
    const StationRecord added = make(u"ＪＡ0ＮＥＷ"_qs, u"N"_qs, QDate(2025, 1, 1));
    reg.grid.appendRow(RecordGrid::cellsOf(added, 4), added.ExpiryDate);
    checks::DataSort(reg.grid, reg.store);
    EXPECT_EQ(reg.callSigns(), texts({"ＪＡ0ＮＥＷ", "ＪＡ１ＡＡ1", "ＪＡ１ＡＡ2", "ＪＡ１ＡＡ3"}));
    expectGridMatchesStore(reg);

    // And a store that holds more records than the grid shows is cut to the grid's rows.
    reg.store.extend({make(u"ＪＡ9"_qs, u"Z"_qs, QDate(2020, 1, 1))});
    checks::DataSort(reg.grid, reg.store);
    EXPECT_EQ(reg.store.Count(), 4);
    expectGridMatchesStore(reg);
}

TEST(DataSort, RecordsWithoutAnyTextAndWithSharedTextsRebuildCorrectly) {
    // Blank records have no text of their own to tell them apart, and copies of a record share
    // their texts: the rebuild must still put each record where its row went.
    StationRecord blankLate, blankEarly;
    blankLate.setExpiry(QDate(2030, 1, 1));
    blankEarly.setExpiry(QDate(2020, 1, 1));
    const StationRecord original = make(u"ＪＡ1"_qs, u"A"_qs, QDate(2025, 1, 1));
    StationRecord copy = original;
    copy.setExpiry(QDate(2019, 1, 1));
    Register reg({blankLate, original, blankEarly, copy});
    reg.grid.setText(2, 5, u"佐藤花子"_qs); // the original's row changes, the copy's does not
    checks::DataSort(reg.grid, reg.store);
    EXPECT_EQ(reg.callSigns(), texts({"ＪＡ1", "", "ＪＡ1", ""}));
    EXPECT_EQ(reg.store.record(1).trimmed(Field::HolderName), u"山田太郎"_qs);
    EXPECT_EQ(reg.store.record(3).trimmed(Field::HolderName), u"佐藤花子"_qs);
    EXPECT_EQ(reg.store.record(2).expiry(), QDate(2020, 1, 1));
    EXPECT_EQ(reg.store.record(4).expiry(), QDate(2030, 1, 1));
    expectGridMatchesStore(reg);
    // Sorting again changes nothing.
    const std::vector<StationRecord> sorted = reg.store.records();
    checks::DataSort(reg.grid, reg.store);
    EXPECT_EQ(reg.store.records(), sorted);
}

TEST(RecordGrid, CellsShareTheRecordsTextsInsteadOfCopyingThem) {
    // A full register is held twice, in the store and in the grid: the grid's cells must not
    // take memory of their own where a record's text has nothing to trim.
    StationRecord r = make(u"ＪＡ6ＡＢＣ"_qs, u"九第123号"_qs, QDate(2024, 3, 31));
    r.set(Field::HolderName, u"  山田"); // leading spaces: the cell needs its own text
    Register reg({r});
    const StationRecord& stored = reg.store.record(1);
    EXPECT_EQ(reg.grid.text(1, 1).constData(), stored.unpadded(Field::CallSign).constData());
    EXPECT_EQ(reg.grid.text(1, 2).constData(), stored.unpadded(Field::LicenceNo).constData());
    EXPECT_EQ(reg.grid.text(1, 5), u"山田"_qs);
    // And a rebuild from unchanged cells keeps sharing them.
    reg.grid.setText(1, 17, u"03-0000-0000"_qs);
    checks::DataSort(reg.grid, reg.store);
    EXPECT_EQ(reg.grid.text(1, 1).constData(),
              reg.store.record(1).unpadded(Field::CallSign).constData());
    EXPECT_EQ(reg.store.record(1).trimmed(Field::HolderName), u"山田"_qs);
}
