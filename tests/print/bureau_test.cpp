#include "platform/cp932.h"
#include "print/core/bureaufile.h"
#include "support/tempfolder.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

QByteArray sjis(const QString& text) {
    return cp932::encode(text).bytes;
}

} // namespace

TEST(BureauArea, CallSignChoosesAreaAfterNarrowing) {
    using bureaufile::areaIndexForCallSign;
    // Full-width call signs are narrowed before the Okinawa test.
    EXPECT_EQ(areaIndexForCallSign(u"ＪＲ６ＡＢＣ"), 10);
    EXPECT_EQ(areaIndexForCallSign(u"ＪＳ６ＸＹＺ　"), 10);
    EXPECT_EQ(areaIndexForCallSign(u"  JS6ABC  "), 10);
    // The test is case-sensitive: lower case falls back to the third character.
    EXPECT_EQ(areaIndexForCallSign(u"jr6abc"), 6);
    EXPECT_EQ(areaIndexForCallSign(u"JR7ABC"), 7);
    EXPECT_EQ(areaIndexForCallSign(u"7K3XYZ"), 3);
    EXPECT_EQ(areaIndexForCallSign(u"ＪＡ１ＡＢＣ"), 1);
    EXPECT_EQ(areaIndexForCallSign(u"JA0AAA"), 0);
    EXPECT_EQ(areaIndexForCallSign(u"JA9AAA"), 9);
    // Short call signs and a letter in third place choose area 0.
    EXPECT_EQ(areaIndexForCallSign(u"JA"), 0);
    EXPECT_EQ(areaIndexForCallSign(u"J"), 0);
    EXPECT_EQ(areaIndexForCallSign(u""), 0);
    EXPECT_EQ(areaIndexForCallSign(u"JAXABC"), 0);
    // Spaces at both ends are trimmed before the third character is taken.
    EXPECT_EQ(areaIndexForCallSign(u"  JH4ABC"), 4);
}

TEST(BureauArea, KeysForEachIndex) {
    for (int i = 0; i <= 9; ++i)
        EXPECT_EQ(bureaufile::areaKey(i), QChar(u'0' + i));
    EXPECT_EQ(bureaufile::areaKey(10), QChar(u'+'));
    EXPECT_FALSE(bureaufile::areaKey(11).has_value());
    EXPECT_FALSE(bureaufile::areaKey(-1).has_value());
}

TEST(BureauParse, KeysValuesAndDuplicates) {
    const QString text = QStringLiteral("# comment = with equals\r\n"
                                        "1AreaSouTsu=関東総合通信局長　殿\r\n"
                                        "1AreaZip=〒102-8795\r\n"
                                        "1AreaAdd=a=b\r\n"
                                        "1AreaAdd2=first\r\n"
                                        "1AreaAdd2=second  \r\n"
                                        "1AreaName=\r\n"
                                        "1Areazip=wrong case\r\n"
                                        "1AreaName2 =space in key\r\n"
                                        "1 AreaName2=space before key\r\n"
                                        "1AreaName2=無線通信部　御中\r\n"
                                        "2AreaZip=other area\r\n"
                                        "1 no equals sign\r\n"
                                        "\r\n");
    const BureauValues v = bureaufile::parseBureauText(text, 1);
    EXPECT_EQ(v.AreaSouTsu, QStringLiteral("関東総合通信局長　殿"));
    EXPECT_EQ(v.AreaZip, QStringLiteral("〒102-8795"));
    // Everything after the first "=" is the value.
    EXPECT_EQ(v.AreaAdd, QStringLiteral("a=b"));
    // The later duplicate wins, and trailing spaces stay.
    EXPECT_EQ(v.AreaAdd2, QStringLiteral("second  "));
    EXPECT_TRUE(v.AreaName.isEmpty());
    EXPECT_EQ(v.AreaName2, QStringLiteral("無線通信部　御中"));

    const BureauValues other = bureaufile::parseBureauText(text, 2);
    EXPECT_EQ(other.AreaZip, QStringLiteral("other area"));
    EXPECT_TRUE(other.AreaSouTsu.isEmpty());
    // An area without lines, and an index without a key, read nothing.
    EXPECT_EQ(bureaufile::parseBureauText(text, 5).AreaZip, QString());
    EXPECT_EQ(bureaufile::parseBureauText(text, 42).AreaZip, QString());
}

TEST(BureauParse, OkinawaKeyAndLineEnds) {
    // "+" lines, a file edited with bare LF ends, and a last line without an end.
    const QString text = QStringLiteral("+AreaZip=〒900-8795\n+AreaAdd=那覇\r+AreaName=沖縄");
    const BureauValues v = bureaufile::parseBureauText(text, 10);
    EXPECT_EQ(v.AreaZip, QStringLiteral("〒900-8795"));
    EXPECT_EQ(v.AreaAdd, QStringLiteral("那覇"));
    EXPECT_EQ(v.AreaName, QStringLiteral("沖縄"));
    // Area 0 does not see the "+" lines.
    EXPECT_TRUE(bureaufile::parseBureauText(text, 0).AreaZip.isEmpty());
}

TEST(BureauFile, ReadsCodePage932AndReportsMissing) {
    TempFolder folder;
    const QString path = folder.write(
        bureaufile::fileName(),
        sjis(QStringLiteral("3AreaSouTsu=近畿総合通信局長　殿\r\n3AreaAdd2=大阪合同庁舎\r\n")));
    const bureaufile::ReadOutcome read = bureaufile::readBureauFile(path, 3);
    EXPECT_EQ(read.status, bureaufile::ReadOutcome::Status::Read);
    EXPECT_EQ(read.values.AreaSouTsu, QStringLiteral("近畿総合通信局長　殿"));
    EXPECT_EQ(read.values.AreaAdd2, QStringLiteral("大阪合同庁舎"));

    const bureaufile::ReadOutcome missing = bureaufile::readBureauFile(folder.file("none.dat"), 3);
    EXPECT_EQ(missing.status, bureaufile::ReadOutcome::Status::Missing);
    EXPECT_TRUE(missing.values.AreaSouTsu.isEmpty());
    // A folder of that name is not an ordinary file.
    const bureaufile::ReadOutcome folderPath = bureaufile::readBureauFile(folder.path(), 3);
    EXPECT_EQ(folderPath.status, bureaufile::ReadOutcome::Status::Missing);
    EXPECT_EQ(bureaufile::missingMessage(), QStringLiteral("申請先データファイルが有りません"));
}

TEST(BureauFile, ShippedFileHoldsEveryArea) {
    QFile file(QStringLiteral(VELMORA_SOURCE_DIR "/data/") + bureaufile::fileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    // CR LF line ends only, and valid code page 932 throughout.
    EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n'));
    EXPECT_EQ(bytes.count("\r\n"), bytes.count('\r'));
    const QString text = cp932::decode(bytes);
    EXPECT_EQ(cp932::encode(text).bytes, bytes);

    const auto read = bureaufile::readBureauFile(file.fileName(), 1);
    EXPECT_EQ(read.values.AreaSouTsu, QStringLiteral("関東総合通信局長　殿"));
    EXPECT_EQ(read.values.AreaZip, QStringLiteral("〒102-8795"));
    EXPECT_EQ(read.values.AreaAdd, QStringLiteral("東京都千代田区九段南1-2-1"));
    EXPECT_EQ(read.values.AreaAdd2, QStringLiteral("九段第3合同庁舎"));
    EXPECT_EQ(read.values.AreaName, QStringLiteral("関東総合通信局"));
    EXPECT_EQ(read.values.AreaName2, QStringLiteral("無線通信部　陸上第三課　御中"));
    EXPECT_EQ(bureaufile::readBureauFile(file.fileName(), 10).values.AreaSouTsu,
              QStringLiteral("沖縄総合通信事務所長　殿"));
    for (int area = 0; area <= 10; ++area) {
        SCOPED_TRACE(area);
        const BureauValues v = bureaufile::parseBureauText(text, area);
        EXPECT_TRUE(v.AreaSouTsu.endsWith(QStringLiteral("長　殿")));
        EXPECT_TRUE(v.AreaZip.startsWith(QStringLiteral("〒")));
        EXPECT_EQ(v.AreaZip.size(), 9);
        EXPECT_FALSE(v.AreaAdd.isEmpty());
        EXPECT_FALSE(v.AreaName.isEmpty());
        EXPECT_TRUE(v.AreaName2.endsWith(QStringLiteral("　御中")));
    }
    // Comment lines never start with an area key.
    for (const QString& line : text.split(QStringLiteral("\r\n"))) {
        if (line.contains(u'=')) {
            EXPECT_TRUE(line.front().isDigit() || line.front() == u'+' || line.front() == u'#')
                << line.toStdString();
        }
    }
}
