// Matching a CSV file's rows to the register's stations: what is updated, added or refused,
// and applying the plan.
#include "record/csvexport.h"
#include "record/importplan.h"
#include "support/samplestation.h"

#include <gtest/gtest.h>

namespace {

// ＪＡ２ＢＢＢ twice: a licence and its renewal.
std::vector<StationRecord> registered() {
    return {sampleStation(u"ＪＡ１ＡＡＡ"_qs, u"関第1号"_qs, QDate(2026, 5, 31)),
            sampleStation(u"ＪＡ２ＢＢＢ"_qs, u"関第2号"_qs, QDate(2025, 5, 31)),
            sampleStation(u"ＪＡ２ＢＢＢ"_qs, u"関第2号"_qs, QDate(2030, 5, 31)),
            sampleStation(u"ＪＡ３ＣＣＣ"_qs, u"関第3号"_qs, QDate(2027, 1, 1))};
}

csvfile::PlannedImport plan(const std::vector<StationRecord>& stations, const QString& rows) {
    const csvfile::Imported imported =
        csvfile::importCsv((u"ｺｰﾙｻｲﾝ,免許番号,免許期限(ISO),申請書Tel\r\n"_qs + rows).toUtf8());
    EXPECT_TRUE(imported.result) << imported.result.error.toStdString();
    return csvfile::planImport(stations, imported);
}

} // namespace

// Each file: the plan's summary, or the start of its error.
TEST(ImportPlan, MatchesRowsByCallSignAndLicenceNumberWhateverTheirWidthAndCase) {
    const std::pair<const char16_t*, const char16_t*> cases[] = {
        // the same station typed otherwise: updated, stored as the file writes it
        {u"ja1AAA,関第１号,2026-05-31,03-1234-5678\r\n",
         u"追加 0件、更新 1件、変更なし 0件\nja1AAA（関第１号）：コールサイン、免許番号"},
        // a corrected telephone number and a renewal; a new station; an unchanged one
        {u"ＪＡ１ＡＡＡ,関第1号,2031-05-31,03-9999-0000\r\nＪＡ９,関第9号,2026-01-01,\r\n"
         u"ＪＡ３ＣＣＣ,関第3号,2027-01-01,03-1234-5678\r\n",
         u"追加 1件、更新 1件、変更なし 1件\nＪＡ１ＡＡＡ（関第1号）：免許期限、電話番号"},
        // a station held twice: the expiry picks the one
        {u"ＪＡ２ＢＢＢ,関第2号,2030-05-31,03-0000-0000\r\nＪＡ２ＢＢＢ,関第2号,2025-05-31,"
         u"03-1234-5678\r\n",
         u"追加 0件、更新 1件、変更なし 1件\nＪＡ２ＢＢＢ（関第2号）：電話番号"},
        {u"ＪＡ２ＢＢＢ,関第2号,2028-01-01,03-0000-0000\r\n",
         u"2 行目：ＪＡ２ＢＢＢ（関第2号）は登録に 2 件あり、免許期限の同じものがないため"},
        // two rows for one station
        {u"ＪＡ１ＡＡＡ,関第1号,2026-05-31,\r\nＪＡ３ＣＣＣ,関第3号,2027-01-01,\r\n"
         u"JA1AAA,関第1号,2031-05-31,\r\n",
         u"2 行目と 4 行目が同じ局ＪＡ１ＡＡＡ（関第1号）を更新します。"}};
    for (const auto& [rows, expected] : cases) {
        const csvfile::PlannedImport planned = plan(registered(), QString::fromUtf16(rows));
        const bool summary = QStringView(expected).startsWith(u"追加");
        ASSERT_EQ(bool(planned.result), summary) << planned.result.error.toStdString();
        if (summary)
            EXPECT_EQ(csvfile::planSummary(planned.plan), QStringView(expected));
        else
            EXPECT_TRUE(planned.result.error.startsWith(QStringView(expected)))
                << planned.result.error.toStdString();
    }
}

// A register's own export changes nothing, even with a station held twice with one expiry.
TEST(ImportPlan, OwnExportIsUnchanged) {
    std::vector<StationRecord> stations = registered();
    stations.push_back(stations.front());
    const csvfile::Imported imported =
        csvfile::importCsv(csvfile::exportCsv(stations, csvfile::Encoding::Utf8).bytes);
    const csvfile::PlannedImport planned = csvfile::planImport(stations, imported);
    ASSERT_TRUE(planned.result) << planned.result.error.toStdString();
    EXPECT_EQ(csvfile::planSummary(planned.plan), u"追加 0件、更新 0件、変更なし 5件"_qs);
}

// Columns the file lacks keep the station's values; the updated station keeps its place and
// identity; the register's limit refuses the whole plan.
TEST(ImportPlan, AppliesInPlaceAndRefusesPastTheLimit) {
    RecordStore store;
    ASSERT_TRUE(store.load(registered()));
    const quint64 id = store.rowId(3);
    const csvfile::PlannedImport planned =
        plan(store.records(), u"ＪＡ２ＢＢＢ,関第2号,2030-05-31,03-0000-0000\r\n"
                              u"ＪＡ９,関第9号,2026-01-01,\r\n"_qs);
    ASSERT_TRUE(planned.result);
    ASSERT_TRUE(csvfile::applyImportPlan(store, planned.plan));
    ASSERT_EQ(store.Count(), 5);
    EXPECT_EQ(store.rowOfId(id), 3);
    EXPECT_EQ(store.record(3).trimmed(Field::ApplicantTel), u"03-0000-0000"_qs);
    EXPECT_EQ(store.record(3).trimmed(Field::HolderName), u"山田太郎"_qs);
    EXPECT_EQ(store.record(5).trimmed(Field::CallSign), u"ＪＡ９"_qs);

    EXPECT_TRUE(csvfile::checkRoom(RecordStore::kMaxRecords - 1, planned.plan));
    EXPECT_EQ(csvfile::checkRoom(RecordStore::kMaxRecords, planned.plan).error,
              u"取り込むと 32768 件になり、登録できる 32767 件を超えます。"_qs);
}
