#include "platform/fileerror.h"
#include "print/core/bureaufile.h"
#include "support/tempfolder.h"

#include <QStringList>
#include <gtest/gtest.h>

// Reading the shipped file in code page 932 shows in tests/data/layout_bureau_envelope.txt and
// the tool's render test; a missing one in the print dialog's test.

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
    const QString text = QStringLiteral(u"1AreaAdd=a=b\r\n1AreaAdd2=first\r\n1AreaAdd2=second  \r\n"
                                        u"1Areazip=wrong case\r\n1AreaName2=無線通信部　御中\n"
                                        u"1 AreaName2=space\r\n2AreaZip=other area\r"
                                        u"+AreaName=沖縄\r\n1 no equals sign\r\n1AreaName=last");
    const BureauValues v = parseBureauText(text, 1);
    EXPECT_EQ(QStringList({v.AreaAdd, v.AreaAdd2, v.AreaName2, v.AreaName, v.AreaZip}),
              QStringList({"a=b", "second  ", u"無線通信部　御中"_qs, "last", ""}));
    EXPECT_EQ(parseBureauText(text, 2).AreaZip, QStringLiteral("other area"));
    EXPECT_EQ(parseBureauText(text, kOkinawaArea).AreaName, QStringLiteral("沖縄"));
}

TEST(BureauFile, AFileTooLargeOrNotOrdinaryIsNotRead) {
    TempFolder dir;
    QFile sparse(dir.file(fileName()));
    ASSERT_TRUE(sparse.open(QIODevice::WriteOnly) && sparse.resize((1 << 20) + 1));
    const ReadOutcome large = readBureauFile(sparse.fileName(), 1);
    EXPECT_EQ(large.status, ReadOutcome::Status::ReadError);
    EXPECT_EQ(large.error, fileerror::message(fileerror::Problem::TooLarge, sparse.fileName()));
    for (const QString& path : {QStringLiteral("/dev/zero"), dir.path()})
        EXPECT_EQ(readBureauFile(path, 1).status, ReadOutcome::Status::Missing);
}
