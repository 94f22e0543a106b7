#include "record/datafile.h"
#include "support/samplestation.h"
#include "support/tempfolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <limits>

namespace {

StationRecord sample(int n) {
    return sampleStation(QStringLiteral("ＪＡ%1ＡＢＣ").arg(n % 10),
                         QStringLiteral("関第%1号").arg(n), QDate(2025, 1, 1).addDays(n));
}

const QDate kToday(2022, 2, 17);

} // namespace

// One record as the file holds it, typed out field by field in file order: a field read from or
// written to the wrong place, or with the wrong width, cannot pass by reading back what it wrote.
TEST(DataFile, RecordByteImageReadsAndWritesFieldByField) {
    struct Piece {
        Field field;
        int width;
        const char* hex; // the bytes, filled with spaces to the width
        const char16_t* text;
    };
    const Piece pieces[] = {
        {Field::CallSign, 12, "4A41315941412F31", u"JA1YAA/1"},
        {Field::LicenceNo, 20, "8AD691E63132333435368D86", u"関第123456号"},
        // 46477.1 as a little-endian double: 31 March 2027 and a time of day.
        {Field::ExpiryDate, 8, "33333333A3B1E640", nullptr},
        {Field::StationType, 6, "8CC592E88BC7", u"固定局"},
        {Field::HolderName, 16, "8E529363814091BE9859", u"山田　太郎"},
        {Field::HolderKana, 20, "D4CFC0DE20C0DBB3", u"ﾔﾏﾀﾞ ﾀﾛｳ"},
        {Field::ClubName, 50, "90E791E393638341837D83608385834196B390FC834E83898375",
         u"千代田アマチュア無線クラブ"},
        {Field::ClubKana, 50, "C1D6C0DEB1CFC1ADB1D1BEDDB8D7CCDE", u"ﾁﾖﾀﾞｱﾏﾁｭｱﾑｾﾝｸﾗﾌﾞ"},
        {Field::StationZip, 8, "3130322D30303734", u"102-0074"},
        {Field::StationAddr1, 50, "938C8B9E937390E791E393638BE68BE3926993EC312D322D31",
         u"東京都千代田区九段南1-2-1"},
        {Field::StationAddr2, 50, "836E834383638BE392698250824F82508D868EBA",
         u"ハイツ九段１０１号室"},
        {Field::ApplicantZip, 8, "3136302D30303233", u"160-0023"},
        {Field::ApplicantAddr1, 50, "938C8B9E937390568F688BE690BC90568F68322D382D31",
         u"東京都新宿区西新宿2-8-1"},
        {Field::ApplicantAddr2, 50, "90568F688372838B8251824F8A4B", u"新宿ビル２０階"},
        {Field::ApplicantName, 16, "8DB293A189D48E71", u"佐藤花子"},
        {Field::ApplicantKana, 20, "BBC4B320CAC5BA", u"ｻﾄｳ ﾊﾅｺ"},
        {Field::ApplicantTel, 15, "2B38312D332D353332312D31313131", u"+81-3-5321-1111"},
    };
    QByteArray image;
    for (const Piece& piece : pieces) {
        const QByteArray bytes = QByteArray::fromHex(piece.hex);
        ASSERT_LE(bytes.size(), piece.width);
        image += bytes.leftJustified(piece.width, ' ');
    }
    ASSERT_EQ(image.size(), 449);
    const StationRecord read = datafile::decodeRecord(image);
    for (const Piece& piece : pieces) {
        if (piece.text) {
            EXPECT_EQ(read.unpadded(piece.field), QStringView(piece.text))
                << fieldInfo(piece.field).name;
        }
    }
    EXPECT_EQ(read.ExpiryDate, 46477.1);
    EXPECT_EQ(read.expiry(), QDate(2027, 3, 31));
    EXPECT_EQ(datafile::encodeRecord(read), image);
}

TEST(DataFile, OddFieldsAndLengths) {
    StationRecord r;
    r.set(Field::CallSign, u"ABCDEFGHIJKあ"); // 11 bytes then a double-byte character
    QByteArray bytes = datafile::encodeRecord(r);
    EXPECT_EQ(bytes.left(12), "ABCDEFGHIJK "); // the straddling character left out
    // A NaN with a payload is written back bit for bit.
    std::memcpy(bytes.data() + 32, "\x01\0\0\0\0\0\xF8\x7F", 8);
    EXPECT_EQ(datafile::encodeRecord(datafile::decodeRecord(bytes)), bytes);
    // A trailing piece of a record counts from half a record on; its missing bytes are spaces,
    // and 0 in the date.
    TempFolder dir;
    const QByteArray last = datafile::encodeRecord(sample(3));
    const auto read = datafile::readFile(dir.write("part.stn", bytes + last.left(225)));
    ASSERT_EQ(read.records.size(), 2u);
    StationRecord expected = sample(3);
    expected.set(Field::ApplicantTel, u"");
    EXPECT_EQ(read.records[1], expected);
    EXPECT_EQ(datafile::decodeRecord(last.left(36)).ExpiryDate, 0.0);
}

// Save, back up, reopen, save again the same day, merge: the steps a user takes in a day.
TEST(DataFile, SaveOpenAndMergeThroughTheDay) {
    TempFolder dir;
    QDir(dir.path()).mkdir("backup"); // any case matches
    RecordStore store;
    ASSERT_TRUE(store.load({sample(0), sample(1), sample(2)}));
    store.DataFile = dir.file("list.stn");
    const auto saved = datafile::SaveDataFile(store, store.DataFile, kToday);
    EXPECT_TRUE(saved.dataWritten);
    EXPECT_EQ(store.BackupPath, dir.file("backup/20220217list.stn"));

    RecordStore reopened;
    ASSERT_EQ(datafile::OpenDataFile(reopened, store.DataFile, kToday).outcome,
              datafile::Outcome::Done);
    EXPECT_EQ(reopened.records(), store.records());
    EXPECT_EQ(reopened.DataFile, store.DataFile);
    // The second save of the day replaces the day's backup.
    ASSERT_TRUE(reopened.append(sample(3)));
    ASSERT_TRUE(datafile::SaveDataFile(reopened, reopened.DataFile, kToday).result);
    EXPECT_EQ(QDir(dir.file("backup")).entryList(QDir::Files).size(), 1);
    EXPECT_EQ(dir.read("backup/20220217list.stn"), dir.read("list.stn"));

    // A merge appends in file order and marks the register changed, even for an empty file; a
    // missing one changes nothing.
    ASSERT_TRUE(datafile::writeFile(dir.file("two.stn"), {sample(7), sample(8)}));
    ASSERT_TRUE(datafile::writeFile(dir.file("empty.stn"), {}));
    for (const char* name : {"two.stn", "empty.stn"}) {
        store.Modified = 0;
        EXPECT_EQ(datafile::AppendDataFile(store, dir.file(name), kToday).outcome,
                  datafile::Outcome::Done);
        EXPECT_EQ(store.Modified, 1);
    }
    EXPECT_EQ(store.record(4), sample(7));
    store.Modified = 0;
    EXPECT_EQ(datafile::AppendDataFile(store, dir.file("none.stn"), kToday).outcome,
              datafile::Outcome::Missing);
    EXPECT_EQ(store.Modified, 0);
}

TEST(DataFile, SaveSaysWhetherTheDataWasWritten) {
    TempFolder dir;
    RecordStore store;
    ASSERT_TRUE(store.append(sample(1)));
    // A missing backup folder is made.
    store.DataFile = dir.file("list.stn");
    ASSERT_TRUE(datafile::SaveDataFile(store, store.DataFile, kToday).result);
    EXPECT_EQ(dir.read("BackUp/20220217list.stn"), dir.read("list.stn"));
    // A file where the backup folder should be: the data is saved, the copy fails and says so.
    TempFolder blocked;
    blocked.write("BackUp", "not a folder");
    store.DataFile = blocked.file("list.stn");
    const auto failed = datafile::SaveDataFile(store, store.DataFile, kToday);
    EXPECT_EQ(failed.outcome, datafile::Outcome::Failed);
    EXPECT_TRUE(failed.dataWritten);
    EXPECT_TRUE(failed.result.error.contains(u"BackUp"));
    EXPECT_EQ(QFileInfo(store.DataFile).size(), 449);
}

TEST(DataFile, UnmappableTextIsRefusedNotCorrupted) {
    TempFolder dir;
    StationRecord r = sample(1);
    r.set(Field::HolderName, u"𠮷野家");
    const Result written = datafile::writeFile(dir.file("bad.stn"), {sample(2), r});
    EXPECT_TRUE(written.error.startsWith(u"2 件目の「氏名」に保存できない文字「𠮷」"))
        << written.error.toStdString();
    EXPECT_FALSE(QFile::exists(dir.file("bad.stn")));
}
