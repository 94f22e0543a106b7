// The register at its limit: a full register goes through open, sort, duplicate check and save
// with every byte kept, and nothing can push it past the limit.
#include "record/csvexport.h"
#include "record/csvimport.h"
#include "record/datafile.h"
#include "record/recordchecks.h"
#include "support/fullregister.h"
#include "support/tempfolder.h"

#include <cstring>
#include <gtest/gtest.h>

TEST(RegisterLimit, FullRegisterSurvivesEveryOperationByteForByte) {
    TempFolder dir;
    const QString path = dir.file("full.stn");
    const QDate today(2026, 12, 6);
    ASSERT_TRUE(datafile::writeFile(path, fullRegister()));
    const QByteArray original = dir.read("full.stn");
    ASSERT_EQ(original.size(), qint64(RecordStore::kMaxRecords) * 449);

    RecordStore store;
    ASSERT_EQ(datafile::OpenDataFile(store, path, today).outcome, datafile::Outcome::Done);
    checks::removeDuplicates(store);
    checks::sortByExpiry(store);
    ASSERT_EQ(store.Count(), RecordStore::kMaxRecords);
    ASSERT_TRUE(datafile::SaveDataFile(store, path, today).result);
    EXPECT_EQ(dir.read("full.stn"), original);

    // One more record, by merge or by registration, is refused and changes nothing.
    ASSERT_TRUE(datafile::writeFile(dir.file("one.stn"), {StationRecord()}));
    store.Modified = 0;
    const auto merged = datafile::AppendDataFile(store, dir.file("one.stn"), today);
    EXPECT_EQ(merged.outcome, datafile::Outcome::Failed);
    EXPECT_EQ(store.Modified, 0);
    EXPECT_TRUE(store.isFull());
    EXPECT_FALSE(store.append(StationRecord()).error.isEmpty());
    EXPECT_EQ(store.Count(), RecordStore::kMaxRecords);
}

// Exported as CSV and imported into an empty register, the full register gives the same file,
// with what the grid shows otherwise: no whole day, no date, spaces at a text's left end.
TEST(RegisterLimit, FullRegisterRoundTripsThroughCsvByteForByte) {
    std::vector<StationRecord> records = fullRegister();
    records.front().ExpiryDate = -0.0;
    records[1].ExpiryDate += 0.5;
    records[2].set(Field::CallSign, u" ＪＡ１");
    const quint64 nanBits = 0x7FF8000000000123;
    std::memcpy(&records.back().ExpiryDate, &nanBits, sizeof nanBits);
    const csvfile::Imported back =
        csvfile::importCsv(csvfile::exportCsv(records, csvfile::Encoding::Utf8).bytes);
    ASSERT_TRUE(back.result) << back.result.error.toStdString();
    TempFolder dir;
    ASSERT_TRUE(datafile::writeFile(dir.file("full.stn"), records));
    ASSERT_TRUE(datafile::writeFile(dir.file("back.stn"), back.records));
    EXPECT_TRUE(dir.read("back.stn") == dir.read("full.stn")); // no 15 MB dump on failure
}
