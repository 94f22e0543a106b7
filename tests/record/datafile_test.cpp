#include "record/datafile.h"
#include "record/serialdate.h"
#include "support/tempfolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

StationRecord sample(int n) {
    StationRecord r;
    r.set(Field::CallSign, QStringLiteral("ＪＡ%1ＡＢＣ").arg(n % 10));
    r.set(Field::LicenceNo, QStringLiteral("関第%1号").arg(n));
    r.setExpiry(QDate(2025, 1, 1).addDays(n));
    r.set(Field::StationType, u"固定局");
    r.set(Field::HolderName, u"山田太郎");
    r.set(Field::HolderKana, u"ﾔﾏﾀﾞ ﾀﾛｳ");
    r.set(Field::StationAddr1, u"東京都千代田区九段南1-2-1");
    r.set(Field::ApplicantTel, u"03-1234-5678");
    return r;
}

const QDate kToday(2022, 2, 17);

} // namespace

TEST(DataFile, SaveAndOpenRoundTrip) {
    TempFolder dir;
    QDir(dir.path()).mkdir("BackUp");
    RecordStore store;
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(store.append(sample(i)));
    const QString path = dir.file("list.stn");
    store.DataFile = path;
    const auto saved = datafile::SaveDataFile(store, path, kToday);
    ASSERT_TRUE(saved.result) << saved.result.error.toStdString();
    EXPECT_TRUE(saved.dataWritten);
    EXPECT_EQ(QFileInfo(path).size(), 1347);
    EXPECT_EQ(store.BackupPath, dir.file("BackUp/20220217list.stn"));
    EXPECT_EQ(dir.read("BackUp/20220217list.stn"), dir.read("list.stn"));

    RecordStore reopened;
    reopened.Modified = 1;
    const auto opened = datafile::OpenDataFile(reopened, path, kToday);
    ASSERT_EQ(opened.outcome, datafile::Outcome::Done);
    EXPECT_EQ(reopened.Count(), 3);
    EXPECT_EQ(reopened.records(), store.records());
    EXPECT_EQ(reopened.DataFile, path);
    EXPECT_EQ(reopened.Modified, 1); // opening leaves the flag alone

    // Saving what was read gives the same bytes.
    const QByteArray first = dir.read("list.stn");
    ASSERT_TRUE(datafile::SaveDataFile(reopened, path, kToday).result);
    EXPECT_EQ(dir.read("list.stn"), first);
}

TEST(DataFile, FieldEncodingCutsWholeCharactersOnly) {
    StationRecord r;
    r.set(Field::HolderName, u"一二三四五六七八九"); // nine kanji: 18 bytes into 16
    r.set(Field::CallSign, u"ABCDEFGHIJKあ");        // 11 bytes then a double-byte character
    const QByteArray bytes = datafile::encodeRecord(r);
    ASSERT_EQ(bytes.size(), 449);
    const StationRecord back = datafile::decodeRecord(bytes);
    EXPECT_EQ(back.trimmed(Field::HolderName), u"一二三四五六七八");
    EXPECT_EQ(back.trimmed(Field::CallSign), u"ABCDEFGHIJK");
    EXPECT_EQ(bytes.at(11), ' '); // the straddling character left out, filled with a space
}

TEST(DataFile, RecordCountRoundsToNearestRecord) {
    EXPECT_EQ(datafile::recordCount(0), 0);
    EXPECT_EQ(datafile::recordCount(1), 0);
    EXPECT_EQ(datafile::recordCount(224), 0);
    EXPECT_EQ(datafile::recordCount(225), 1);
    EXPECT_EQ(datafile::recordCount(1122), 2);
    EXPECT_EQ(datafile::recordCount(1123), 3);
}

TEST(DataFile, TrailingPartialRecordReadsAsSpacesAndZero) {
    TempFolder dir;
    QByteArray bytes = datafile::encodeRecord(sample(1)) + datafile::encodeRecord(sample(2));
    bytes += datafile::encodeRecord(sample(3)).left(225);
    const auto read = datafile::readFile(dir.write("part.stn", bytes));
    ASSERT_TRUE(read.result);
    ASSERT_EQ(read.records.size(), 3u);
    EXPECT_EQ(read.records[2].unpadded(Field::CallSign), sample(3).unpadded(Field::CallSign));
    EXPECT_EQ(read.records[2].ExpiryDate, sample(3).ExpiryDate);
    EXPECT_EQ(read.records[2].trimmed(Field::ApplicantTel), u"");

    // A piece that ends inside the date: its missing bytes are 0.
    const QByteArray cut = datafile::encodeRecord(sample(4)).left(36);
    const StationRecord partial = datafile::decodeRecord(cut);
    EXPECT_EQ(partial.trimmed(Field::StationType), u"");
    const auto one = datafile::readFile(dir.write("one.stn", QByteArray(1, 'x')));
    ASSERT_TRUE(one.result);
    EXPECT_TRUE(one.records.empty());
}

TEST(DataFile, BadDatesAndBytesNeverDisturbOtherFields) {
    QByteArray bytes = datafile::encodeRecord(sample(7));
    // A NaN with a payload, then bytes that are not valid code page 932 in the name.
    const char nan[8] = {1, 0, 0, 0, 0, 0, char(0xF8), char(0x7F)};
    std::memcpy(bytes.data() + 32, nan, 8);
    bytes[46] = char(0x81); // lead byte followed by a space
    const StationRecord r = datafile::decodeRecord(bytes);
    EXPECT_FALSE(r.expiry().isValid());
    EXPECT_EQ(r.unpadded(Field::CallSign), sample(7).unpadded(Field::CallSign));
    EXPECT_EQ(r.unpadded(Field::LicenceNo), sample(7).unpadded(Field::LicenceNo));
    EXPECT_EQ(r.unpadded(Field::ApplicantTel), sample(7).unpadded(Field::ApplicantTel));
    EXPECT_FALSE(r.trimmed(Field::HolderName).isEmpty()); // decoded visibly
    // The unusual date is written back bit for bit.
    EXPECT_EQ(datafile::encodeRecord(r).mid(32, 8), bytes.mid(32, 8));

    // A lead byte just before the padding, or at the very end of a field, is one visible
    // stand-in, and the padding stays padding.
    std::memcpy(bytes.data(), "JA1\x81        ", 12);
    std::memcpy(bytes.data() + 434, "03-1234-5678  \x81", 15);
    const StationRecord cut = datafile::decodeRecord(bytes);
    EXPECT_EQ(cut.text(Field::CallSign), QStringLiteral(u"JA1・") + QString(8, QLatin1Char(' ')));
    EXPECT_EQ(cut.text(Field::ApplicantTel), QStringLiteral(u"03-1234-5678  ・"));
}

TEST(DataFile, MissingFilesAreNotErrors) {
    TempFolder dir;
    RecordStore store;
    ASSERT_TRUE(store.append(sample(1)));
    store.DataFile = dir.file("old.stn");
    const auto merged = datafile::AppendDataFile(store, dir.file("none.stn"), kToday);
    EXPECT_EQ(merged.outcome, datafile::Outcome::Missing);
    EXPECT_EQ(store.Count(), 1);
    EXPECT_EQ(store.Modified, 0);
    const auto opened = datafile::OpenDataFile(store, dir.file("none.stn"), kToday);
    EXPECT_EQ(opened.outcome, datafile::Outcome::Missing);
    EXPECT_EQ(store.Count(), 0);
}

TEST(DataFile, MergeAppendsInFileOrderAndMarksModified) {
    TempFolder dir;
    QDir(dir.path()).mkdir("backup"); // any case matches
    std::vector<StationRecord> five;
    for (int i = 0; i < 5; ++i)
        five.push_back(sample(100 + i));
    ASSERT_TRUE(datafile::writeFile(dir.file("five.stn"), five));
    RecordStore store;
    for (int i = 0; i < 10; ++i)
        ASSERT_TRUE(store.append(sample(i)));
    store.DataFile = dir.file("main.stn");
    const auto merged = datafile::AppendDataFile(store, dir.file("five.stn"), kToday);
    ASSERT_EQ(merged.outcome, datafile::Outcome::Done);
    EXPECT_EQ(store.Count(), 15);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(store.record(11 + i), five[size_t(i)]);
    EXPECT_EQ(store.DataFile, dir.file("main.stn"));
    EXPECT_EQ(store.Modified, 1);
    EXPECT_EQ(store.BackupPath, dir.file("backup/20220217main.stn"));

    // An empty file merges too, and still marks the register changed.
    store.Modified = 0;
    ASSERT_TRUE(datafile::writeFile(dir.file("empty.stn"), {}));
    EXPECT_EQ(QFileInfo(dir.file("empty.stn")).size(), 0);
    EXPECT_EQ(datafile::AppendDataFile(store, dir.file("empty.stn"), kToday).outcome,
              datafile::Outcome::Done);
    EXPECT_EQ(store.Modified, 1);
}

TEST(DataFile, OverTheLimitIsRefusedAndNothingChanges) {
    TempFolder dir;
    // A sparse file as long as 32,768 records.
    {
        QFile f(dir.file("huge.stn"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(qint64(RecordStore::kMaxRecords + 1) * 449));
    }
    RecordStore store;
    ASSERT_TRUE(store.append(sample(1)));
    store.DataFile = dir.file("mine.stn");
    const auto opened = datafile::OpenDataFile(store, dir.file("huge.stn"), kToday);
    EXPECT_EQ(opened.outcome, datafile::Outcome::Failed);
    EXPECT_FALSE(opened.result.error.isEmpty());
    EXPECT_EQ(store.Count(), 1);
    EXPECT_EQ(store.DataFile, dir.file("mine.stn"));

    // A merge that would pass the limit is refused as a whole.
    std::vector<StationRecord> big(RecordStore::kMaxRecords);
    ASSERT_TRUE(datafile::writeFile(dir.file("big.stn"), big));
    const auto merged = datafile::AppendDataFile(store, dir.file("big.stn"), kToday);
    EXPECT_EQ(merged.outcome, datafile::Outcome::Failed);
    EXPECT_EQ(store.Count(), 1);
    EXPECT_EQ(store.Modified, 0);
}

TEST(DataFile, FailedSaveKeepsTheOldFile) {
    TempFolder dir;
    const QString path = dir.file("keep.stn");
    ASSERT_TRUE(datafile::writeFile(path, {sample(1), sample(2)}));
    const QByteArray before = dir.read("keep.stn");

    // A folder that cannot be written (root may write anyway, so only as another user).
    if (::geteuid() != 0) {
        ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        const Result denied = datafile::writeFile(path, {sample(3)});
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        EXPECT_FALSE(denied);
        EXPECT_FALSE(denied.error.isEmpty());
    }
    // A folder that no longer exists.
    EXPECT_FALSE(datafile::writeFile(dir.file("gone/keep.stn"), {sample(3)}));
    EXPECT_EQ(dir.read("keep.stn"), before);
}

TEST(DataFile, MissingBackupFolderIsCreatedAndAFailureStillSavesTheData) {
    TempFolder dir;
    RecordStore store;
    ASSERT_TRUE(store.append(sample(1)));
    store.DataFile = dir.file("list.stn");
    const auto saved = datafile::SaveDataFile(store, store.DataFile, kToday);
    ASSERT_TRUE(saved.result) << saved.result.error.toStdString();
    EXPECT_EQ(dir.read("BackUp/20220217list.stn"), dir.read("list.stn"));

    // A file where the folder should be: the copy fails and says so, the data is saved.
    TempFolder blocked;
    blocked.write("BackUp", "not a folder");
    store.DataFile = blocked.file("list.stn");
    const auto failed = datafile::SaveDataFile(store, store.DataFile, kToday);
    EXPECT_EQ(failed.outcome, datafile::Outcome::Failed);
    EXPECT_TRUE(failed.dataWritten);
    EXPECT_TRUE(failed.result.error.contains(u"BackUp"));
    EXPECT_EQ(QFileInfo(store.DataFile).size(), 449);
}

TEST(DataFile, SavingTwiceADayKeepsOneBackupWithTheSecondSave) {
    TempFolder dir;
    QDir(dir.path()).mkdir("BackUp");
    RecordStore store;
    store.DataFile = dir.file("list.stn");
    ASSERT_TRUE(store.append(sample(1)));
    ASSERT_TRUE(datafile::SaveDataFile(store, store.DataFile, kToday).result);
    ASSERT_TRUE(store.append(sample(2)));
    ASSERT_TRUE(datafile::SaveDataFile(store, store.DataFile, kToday).result);
    EXPECT_EQ(QDir(dir.file("BackUp")).entryList(QDir::Files).size(), 1);
    EXPECT_EQ(dir.read("BackUp/20220217list.stn").size(), 2 * 449);
}

TEST(DataFile, UnmappableTextIsRefusedNotCorrupted) {
    TempFolder dir;
    StationRecord r = sample(1);
    r.set(Field::HolderName, u"𠮷野家");
    const QString path = dir.file("bad.stn");
    const Result written = datafile::writeFile(path, {r});
    EXPECT_FALSE(written);
    // Named as the user knows the field.
    EXPECT_TRUE(written.error.startsWith(u"1 件目の「氏名」に保存できない文字「𠮷」"))
        << written.error.toStdString();
    EXPECT_FALSE(QFile::exists(path));
}

TEST(DataFile, BackupNames) {
    EXPECT_EQ(datafile::backupPathFor("/nonexistent/Ham/list.stn", kToday),
              "/nonexistent/Ham/BackUp/20220217list.stn");
    EXPECT_EQ(datafile::backupPathFor("list.stn", QDate(2023, 12, 1)), "BackUp/20231201list.stn");
}
