// The register at its limit: a full register goes through open, save, reopen, merge, duplicate
// check, sort and save with every byte kept, and nothing can push it past the limit.
#include "record/datafile.h"
#include "record/recordchecks.h"
#include "support/tempfolder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

// Every record different, fields full to their width with double-byte text, expiry dates
// already in ascending order with ties (so a stable sort leaves the order alone).
std::vector<StationRecord> fullRegister() {
    const QString kanji =
        QStringLiteral("亜唖娃阿哀愛挨姶逢葵茜穐悪握渥旭葦芦鯵梓圧斡扱宛姐虻飴絢綾鮎");
    std::vector<StationRecord> records(RecordStore::kMaxRecords);
    for (int i = 0; i < RecordStore::kMaxRecords; ++i) {
        StationRecord& r = records[size_t(i)];
        for (const FieldInfo& info : fieldTable()) {
            if (info.field == Field::ExpiryDate)
                continue;
            const QString number = QString::number(i);
            // Double-byte text to the field's byte width, ending in the record's number so
            // that no two records are equal.
            const int kanjiCount = (info.width - int(number.size())) / 2;
            r.set(info.field, kanji.left(kanjiCount) + number);
        }
        r.setExpiry(QDate(2027, 1, 1).addDays(i / 3));
    }
    return records;
}

} // namespace

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
