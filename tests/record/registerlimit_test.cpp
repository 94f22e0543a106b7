// The register at its limit: a full register goes through open, sort, duplicate check and save
// with every byte kept, and nothing can push it past the limit.
#include "record/datafile.h"
#include "record/recordchecks.h"
#include "support/fullregister.h"
#include "support/tempfolder.h"

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
