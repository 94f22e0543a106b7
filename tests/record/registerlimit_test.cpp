// The register at its limit: a full register goes through open, sort, duplicate check and save
// with every byte kept, and nothing can push it past the limit.
#include "record/datafile.h"
#include "record/recordchecks.h"
#include "support/fullregister.h"
#include "support/tempfolder.h"

#include <QFile>
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
    checks::DupeCheck2Mem(store);
    checks::DataSort(store);
    checks::LimitCheck(store, today);
    ASSERT_EQ(store.Count(), RecordStore::kMaxRecords);
    ASSERT_TRUE(datafile::SaveDataFile(store, path, today).result);
    EXPECT_EQ(dir.read("full.stn"), original);

    // One more record, by merge or by registration, is refused and changes nothing.
    ASSERT_TRUE(datafile::writeFile(dir.file("one.stn"), {StationRecord()}));
    store.Modified = 0;
    const auto merged = datafile::AppendDataFile(store, dir.file("one.stn"), today);
    EXPECT_EQ(merged.outcome, datafile::Outcome::Failed);
    EXPECT_FALSE(merged.result.error.isEmpty());
    EXPECT_EQ(store.Modified, 0);
    EXPECT_TRUE(store.isFull());
    EXPECT_FALSE(store.append(StationRecord()).error.isEmpty());
    EXPECT_EQ(store.Count(), RecordStore::kMaxRecords);

    // A file with one record too many is not opened; the register stays as it was.
    {
        QFile f(dir.file("huge.stn"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(qint64(RecordStore::kMaxRecords + 1) * 449));
    }
    RecordStore small;
    ASSERT_TRUE(small.append(StationRecord()));
    small.DataFile = path;
    EXPECT_EQ(datafile::OpenDataFile(small, dir.file("huge.stn"), today).outcome,
              datafile::Outcome::Failed);
    EXPECT_EQ(small.Count(), 1);
    EXPECT_EQ(small.DataFile, path);
}
