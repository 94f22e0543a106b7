#include "record/settingsfile.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

namespace {
SettingsValues parse(const QByteArray& text) {
    SettingsValues v;
    settingsfile::parseSettings(text, v);
    return v;
}
} // namespace

TEST(SettingsFile, OnlyExactKeysAndGoodNumbersApply) {
    SettingsValues v = parse(
        "MainWidth = 9960\r\nmainleft=5\r\nMainLeft =7\r\nGrid13=500\r\nGrid013=1\r\nGrid18=1\r\n"
        "Grid-1=1\r\nno equals sign\r\n=\r\nDataFile=C:\\a=b\\list.stn\r\nZoom=2\r\nZoom=40000\r\n"
        "ViewLeft=12x\r\nViewTop=99999999999\r\nViewHeight=1e400\r\nFutoTop=nan\r\n"
        "YohakuTop= 12.5 \r\nYohakuLeft=13.5\r\nMainTop=1e39\r\nMainHeight=-120.25\n"
        "frmShoku=16777215");
    SettingsValues expected;
    expected.Grid[13] = 500;
    expected.DataFile = u"C:\\a=b\\list.stn"_qs; // everything after the first equals sign
    expected.Zoom = 2;
    expected.formOffsetAcross = 12; // half to even
    expected.formOffsetDown = 14;
    expected.MainHeight = -120.25f; // LF alone ends a line too
    expected.formColour = 0xFFFFFF;
    EXPECT_EQ(v, expected);

    // Print offsets beyond the options dialog's range go to its nearer end; other numbers do
    // not. The last of duplicate keys wins.
    v = parse("YohakuLeft=214748255\r\nYohakuTop=-1001\r\nFutoTop=-5000\r\n"
              "FutoTop=-999\r\nViewLeft=5000\r\n");
    EXPECT_EQ(v.formOffsetDown, 1000);
    EXPECT_EQ(v.formOffsetAcross, -1000);
    EXPECT_EQ(v.envelopeOffsetDown, -999);
    EXPECT_EQ(v.ViewLeft, 5000);
}

TEST(SettingsFile, WritesAllKeysInOrderAndReadsThemBack) {
    TempFolder dir;
    SettingsValues v;
    v.MainLeft = 100;
    v.MainTop = 1234.5f;
    v.MainWidth = 9960;
    v.MainHeight = 7746;
    v.Zoom = 4;
    v.formColour = 0x0000FF;
    v.formOffsetAcross = -1000;
    v.Grid[0] = 500;
    for (int c = 1; c < SettingsValues::kGridColumns; ++c)
        v.Grid[size_t(c)] = 1000 + c;
    v.DataFile = u"/home/局/list.stn"_qs;
    const QList<QByteArray> lines = settingsfile::formatSettings(v).split('\n');
    ASSERT_EQ(lines.size(), 39); // 38 lines and the empty rest after the last CR LF
    EXPECT_EQ(lines[1], "MainTop=1234.5\r");
    EXPECT_EQ(lines[13], "frmShoku=255\r");
    EXPECT_EQ(lines[36], "Grid17=1017\r");
    ASSERT_TRUE(settingsfile::WriteSettings(dir.file("tessaly.ini"), v));
    SettingsValues back;
    ASSERT_TRUE(settingsfile::ReadSettings(dir.file("tessaly.ini"), back).result);
    EXPECT_EQ(back, v);

    // A failed write keeps the previous file whole.
    const QByteArray before = dir.read("tessaly.ini");
    EXPECT_FALSE(settingsfile::WriteSettings(dir.file("nofolder/tessaly.ini"), v));
    EXPECT_EQ(dir.read("tessaly.ini"), before);
    // A path that would read back as another path is left out, with a warning: one code page
    // 932 cannot hold, one it writes as a look-alike, one that breaks the line.
    for (const char16_t* odd : {u"😀", u"〜", u"−", u"—", u"‖", u"¢", u"£", u"¬", u"\n"}) {
        v.DataFile = QStringLiteral("/home/%1/list.stn").arg(QStringView(odd));
        const Result written = settingsfile::WriteSettings(dir.file("tessaly.ini"), v);
        EXPECT_TRUE(written.error.contains(v.DataFile)) << v.DataFile.toStdString();
        SettingsValues reread;
        settingsfile::ReadSettings(dir.file("tessaly.ini"), reread);
        EXPECT_TRUE(reread.DataFile.isEmpty()) << reread.DataFile.toStdString();
    }
}
