// The register at its limit: a full register goes through open, save, reopen, merge, duplicate
// check, sort and save with every byte kept, and nothing can push it past the limit.
#include "record/datafile.h"
#include "record/recordchecks.h"
#include "support/fullregister.h"
#include "support/tempfolder.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(RegisterLimit, FullRegisterSurvivesEveryOperationByteForByte) {
    TempFolder dir;
    QDir(dir.path()).mkdir("BackUp");
    const QString path = dir.file("full.stn");
    const QDate today(2026, 12, 6);
    ASSERT_TRUE(datafile::writeFile(path, fullRegister()));
    const QByteArray original = dir.read("full.stn");
    ASSERT_EQ(original.size(), qint64(RecordStore::kMaxRecords) * 449);

    RecordStore store;
    ASSERT_EQ(datafile::OpenDataFile(store, path, today).outcome, datafile::Outcome::Done);
    ASSERT_EQ(store.Count(), RecordStore::kMaxRecords);
    checks::DataSort(store);
    checks::LimitCheck(store, today);
    ASSERT_TRUE(datafile::SaveDataFile(store, path, today).result);
    EXPECT_EQ(dir.read("full.stn"), original);

    // Reopen, merge an empty file, check for duplicates, sort and save: still the same bytes.
    RecordStore again;
    ASSERT_EQ(datafile::OpenDataFile(again, path, today).outcome, datafile::Outcome::Done);
    ASSERT_TRUE(datafile::writeFile(dir.file("empty.stn"), {}));
    ASSERT_EQ(datafile::AppendDataFile(again, dir.file("empty.stn"), today).outcome,
              datafile::Outcome::Done);
    checks::DupeCheck2Mem(again);
    EXPECT_EQ(again.Count(), RecordStore::kMaxRecords);
    checks::DataSort(again);
    ASSERT_TRUE(datafile::SaveDataFile(again, path, today).result);
    EXPECT_EQ(dir.read("full.stn"), original);

    // One more record, by merge or by registration, is refused and changes nothing.
    ASSERT_TRUE(datafile::writeFile(dir.file("one.stn"), {StationRecord()}));
    again.Modified = 0;
    const auto merged = datafile::AppendDataFile(again, dir.file("one.stn"), today);
    EXPECT_EQ(merged.outcome, datafile::Outcome::Failed);
    EXPECT_FALSE(merged.result.error.isEmpty());
    EXPECT_EQ(again.Count(), RecordStore::kMaxRecords);
    EXPECT_EQ(again.Modified, 0);
    EXPECT_FALSE(again.append(StationRecord()));
    EXPECT_EQ(again.Count(), RecordStore::kMaxRecords);
}
