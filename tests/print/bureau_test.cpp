#include "platform/cp932.h"
#include "print/core/bureaufile.h"
#include "support/tempfolder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace bureaufile;

TEST(BureauFile, CallSignChoosesTheArea) {
    const std::pair<const char16_t*, int> cases[] = {
        {u"ＪＲ６ＡＢＣ", 10}, {u"ＪＳ６ＸＹＺ　", 10}, {u"  JS6ABC  ", 10}, // narrowed, trimmed
        {u"jr6abc", 6},        {u"JR7ABC", 7},          {u"7K3XYZ", 3},      {u"ＪＡ１ＡＢＣ", 1},
        {u"JA0AAA", 0},        {u"JA9AAA", 9},          {u"JA", 0},          {u"", 0},
        {u"JAXABC", 0},        {u"  JH4ABC", 4},
    };
    for (const auto& [callSign, area] : cases)
        EXPECT_EQ(areaIndexForCallSign(callSign), area) << qPrintable(QString::fromUtf16(callSign));
}

TEST(BureauFile, ParsesKeysValuesAndDuplicates) {
    const QString text = QStringLiteral("# comment = with equals\r\n"
                                        "1AreaSouTsu=関東総合通信局長　殿\r\n"
                                        "1AreaZip=〒102-8795\r\n"
                                        "1AreaAdd=a=b\r\n"
                                        "1AreaAdd2=first\r\n"
                                        "1AreaAdd2=second  \r\n"
                                        "1Areazip=wrong case\r\n"
                                        "1AreaName2 =space in key\r\n"
                                        "1 AreaName2=space before key\r\n"
                                        "1AreaName2=無線通信部　御中\n"
                                        "2AreaZip=other area\r"
                                        "+AreaName=沖縄\r\n"
                                        "1 no equals sign\r\n"
                                        "1AreaName=last line without end");
    const BureauValues v = parseBureauText(text, 1);
    EXPECT_EQ(v.AreaSouTsu, QStringLiteral("関東総合通信局長　殿"));
    EXPECT_EQ(v.AreaZip, QStringLiteral("〒102-8795"));
    EXPECT_EQ(v.AreaAdd, QStringLiteral("a=b"));                // after the first "="
    EXPECT_EQ(v.AreaAdd2, QStringLiteral("second  "));          // the later line, untrimmed
    EXPECT_EQ(v.AreaName2, QStringLiteral("無線通信部　御中")); // a bare LF ends a line
    EXPECT_EQ(v.AreaName, QStringLiteral("last line without end"));
    EXPECT_EQ(parseBureauText(text, 2).AreaZip, QStringLiteral("other area"));
    EXPECT_TRUE(parseBureauText(text, 2).AreaSouTsu.isEmpty());
    EXPECT_EQ(parseBureauText(text, kOkinawaArea).AreaName, QStringLiteral("沖縄"));
    EXPECT_TRUE(parseBureauText(text, 0).AreaName.isEmpty());
    EXPECT_TRUE(parseBureauText(text, 42).AreaZip.isEmpty());
}

TEST(BureauFile, ReadsCodePage932AndReportsAMissingFile) {
    TempFolder folder;
    const QString path = folder.write(
        fileName(), cp932::encode(QStringLiteral("3AreaSouTsu=近畿総合通信局長　殿\r\n")).bytes);
    const ReadOutcome read = readBureauFile(path, 3);
    EXPECT_EQ(read.status, ReadOutcome::Status::Read);
    EXPECT_EQ(read.values.AreaSouTsu, QStringLiteral("近畿総合通信局長　殿"));
    for (const QString& missing : {folder.file(QStringLiteral("none.dat")), folder.path()})
        EXPECT_EQ(readBureauFile(missing, 3).status, ReadOutcome::Status::Missing);
}

TEST(BureauFile, ShippedFileHoldsEveryArea) {
    QFile file(QStringLiteral(VELMORA_SOURCE_DIR "/data/") + fileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n'));
    EXPECT_EQ(bytes.count("\r\n"), bytes.count('\r'));
    const QString text = cp932::decode(bytes);
    EXPECT_EQ(cp932::encode(text).bytes, bytes);
    // Kantō's values show in tests/data/layout_bureau_envelope.txt.
    for (int area = 0; area <= kOkinawaArea; ++area) {
        const BureauValues v = parseBureauText(text, area);
        EXPECT_TRUE(v.AreaSouTsu.endsWith(QStringLiteral("長　殿"))) << area;
        EXPECT_TRUE(v.AreaZip.startsWith(QStringLiteral("〒")) && v.AreaZip.size() == 9) << area;
        EXPECT_FALSE(v.AreaAdd.isEmpty() || v.AreaName.isEmpty()) << area;
        EXPECT_TRUE(v.AreaName2.endsWith(QStringLiteral("　御中"))) << area;
    }
}
