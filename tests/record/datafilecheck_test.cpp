// The data file check: sound files, cut files, other files given the extension .stn, noise.
#include "record/csvexport.h"
#include "record/datafile.h"
#include "record/datafilecheck.h"
#include "support/samplestation.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>
#include <random>

namespace {

QByteArray registerBytes(int count) {
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += datafile::encodeRecord(sampleStation(QStringLiteral("ＪＡ１Ａ%1").arg(i),
                                                      QStringLiteral("関第%1号").arg(i),
                                                      QDate(2027, 1, 1).addDays(i)));
    return bytes;
}

QByteArray csvBytes() {
    std::vector<StationRecord> records;
    for (int i = 0; i < 40; ++i)
        records.push_back(
            sampleStation(QStringLiteral("ＪＡ１Ａ%1").arg(i), u"関第1号"_qs, QDate(2027, 1, 1)));
    // Cut to a whole number of records, so that only its contents can tell.
    QByteArray bytes = csvfile::exportCsv(records, csvfile::Encoding::Cp932).bytes;
    return bytes.left(bytes.size() / datafile::kRecordSize * datafile::kRecordSize);
}

QByteArray randomBytes(int size) {
    std::mt19937 rng(7);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& byte : bytes)
        byte = char(rng());
    return bytes;
}

} // namespace

// Sound files give no warning, an empty one included; a file cut short is told by its length;
// another file given the extension .stn, or noise, by its records.
TEST(DataFileCheck, WarnsAboutTheLengthAndAboutRecordsThatAreNoStations) {
    QByteArray older = registerBytes(3);
    // Fields never assigned, filled with NULs, and a text cut inside a double-byte character, as
    // older writers left them.
    const FieldInfo& club = fieldInfo(Field::ClubName);
    older.replace(club.fileOffset, club.width, QByteArray(club.width, '\0'));
    const FieldInfo& name = fieldInfo(Field::HolderName);
    older[name.fileOffset + name.width - 1] = char(0x82);
    QByteArray oneBad = registerBytes(3);
    oneBad[fieldInfo(Field::StationAddr1).fileOffset] = '\n';
    QByteArray twoBad = oneBad;
    twoBad[datafile::kRecordSize] = '\t';
    struct Case {
        const char* name;
        QByteArray bytes;
        bool lengthWarning;
        bool recordsWarning;
    };
    const Case cases[] = {
        {"good", registerBytes(3), false, false},
        {"empty", {}, false, false},
        {"older writer", older, false, false},
        {"one of three odd", oneBad, false, false},
        {"two of three odd", twoBad, false, true},
        {"cut", registerBytes(3).left(1000), true, false},
        {"CSV in code page 932", csvBytes(), false, true},
        {"CSV as it is",
         csvfile::exportCsv({sampleStation(u"ＪＡ１ＡＢＣ"_qs, u"関第1号"_qs, QDate(2027, 1, 1))},
                            csvfile::Encoding::Cp932)
             .bytes,
         true, true},
        {"random", randomBytes(20 * datafile::kRecordSize), false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const datafile::FileCheck check = datafile::checkBytes(c.bytes);
        EXPECT_EQ(check.looksDamaged(), c.lengthWarning || c.recordsWarning);
        EXPECT_EQ(check.warnings.size(), int(c.lengthWarning) + int(c.recordsWarning))
            << qPrintable(check.warningText());
        EXPECT_EQ(check.warningText().contains(u"無線局のデータに見えません"), c.recordsWarning);
    }
}

// The length warning counts the whole records and the bytes left over, and says what opening
// does with them; read from a file, a missing one gives nothing to warn about (opening reports
// it).
TEST(DataFileCheck, CountsRecordsAndStrayBytes) {
    const QByteArray full = registerBytes(23);
    TempFolder folder;
    datafile::FileCheck check = datafile::checkFile(folder.write(u"cut.stn"_qs, full.left(10000)));
    EXPECT_TRUE(check.looksDamaged());
    EXPECT_EQ(check.wholeRecords, 22);
    EXPECT_EQ(check.strayBytes, 122);
    EXPECT_EQ(check.warningText(),
              u"ファイルの長さ 10,000 バイトが 1 件 449 バイトの倍数ではありません"
              u"（22 件と余り 122 バイト）。余りは読み込まれません。"_qs);
    EXPECT_FALSE(datafile::checkFile(folder.file(u"missing.stn"_qs)).looksDamaged());
    // From 225 bytes on the piece is read as a record: with its date, it is a station.
    check = datafile::checkBytes(full.left(2 * 449 + 225));
    EXPECT_EQ(check.recordsRead, 3);
    EXPECT_EQ(check.oddRecords, 0);
    EXPECT_TRUE(check.warningText().endsWith(u"足りない部分を空白にして読み込みます。"));

    check = datafile::checkBytes(randomBytes(449 * 4));
    EXPECT_TRUE(check.warningText().startsWith(
        u"4 件のうち 4 件が無線局のデータに見えません（制御文字 4 件"))
        << qPrintable(check.warningText());
}
