#include "record/settingsfile.h"
#include "support/tempfolder.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {
SettingsValues parse(const QByteArray& text) {
    SettingsValues v;
    settingsfile::parseSettings(text, v);
    return v;
}
} // namespace

TEST(SettingsFile, OnlyTheLinesThatMatchExactlyApply) {
    SettingsValues v = parse("Zoom=3\r\n");
    EXPECT_EQ(v.Zoom, 3);
    SettingsValues defaults;
    defaults.Zoom = 3;
    EXPECT_EQ(v, defaults);

    v = parse("MainWidth = 9960\r\nmainleft=5\r\nMainLeft =7\r\nGrid13=500\r\nGrid16=900\r\n"
              "Grid013=1\r\nGrid18=1\r\nGrid-1=1\r\nno equals sign\r\n=\r\n");
    EXPECT_FALSE(v.MainWidth.has_value());
    EXPECT_FALSE(v.MainLeft.has_value());
    EXPECT_EQ(v.Grid[13], 500);
    EXPECT_EQ(v.Grid[16], 900);
    EXPECT_FALSE(v.Grid[0].has_value());
    EXPECT_FALSE(v.Grid[17].has_value());
}

TEST(SettingsFile, ValuesKeepEverythingAfterTheFirstEquals) {
    SettingsValues v = parse("DataFile=C:\\a=b\\list.stn\r\n");
    EXPECT_EQ(v.DataFile, u"C:\\a=b\\list.stn");
    v = parse("DataFile=/x/一覧.stn\nDataFile=/y/last.stn");
    EXPECT_EQ(v.DataFile, u"/y/last.stn"); // the last duplicate wins, LF alone ends a line too
}

TEST(SettingsFile, BadNumbersAreIgnoredOneByOne) {
    SettingsValues v = parse("Zoom=2\r\nZoom=40000\r\nViewLeft=12x\r\nViewTop=99999999999\r\n"
                             "ViewWidth=\r\nViewHeight=1e400\r\nFutoTop=nan\r\nFutoLeft=-15\r\n"
                             "YohakuTop= 12.5 \r\nYohakuLeft=13.5\r\nMainTop=1e39\r\n"
                             "MainLeft=-120.25\r\nfrmShoku=16777215\r\n");
    EXPECT_EQ(v.Zoom, 2);
    EXPECT_EQ(v.ViewLeft, 0);
    EXPECT_EQ(v.ViewTop, 0);
    EXPECT_EQ(v.ViewWidth, 0);
    EXPECT_EQ(v.ViewHeight, 0);
    EXPECT_EQ(v.FutoTop, 0);
    EXPECT_EQ(v.FutoLeft, -15);
    EXPECT_EQ(v.YohakuTop, 12); // half to even
    EXPECT_EQ(v.YohakuLeft, 14);
    EXPECT_FALSE(v.MainTop.has_value());
    EXPECT_EQ(v.MainLeft, -120.25f);
    EXPECT_EQ(v.frmShoku, 0xFFFFFF);

    // Offsets beyond the options dialog's range go to its nearer end; other numbers do not.
    v = parse("YohakuLeft=214748255\r\nYohakuTop=-1001\r\nFutoLeft=1000\r\n"
              "FutoTop=-5000\r\nViewLeft=5000\r\n");
    EXPECT_EQ(v.YohakuLeft, 1000);
    EXPECT_EQ(v.YohakuTop, -1000);
    EXPECT_EQ(v.FutoLeft, 1000);
    EXPECT_EQ(v.FutoTop, -1000);
    EXPECT_EQ(v.ViewLeft, 5000);

    // Garbage, a huge line and binary bytes do no harm.
    QByteArray junk(100000, 'A');
    junk += "=1\r\n";
    junk += QByteArray("\x81\x00\xff=3\r\nZoom=1\r\n", 16);
    EXPECT_EQ(parse(junk).Zoom, 1);
}

TEST(SettingsFile, WritesAllKeysInOrderAndReadsThemBack) {
    SettingsValues v;
    v.MainLeft = 100;
    v.MainTop = 1234.5f;
    v.MainWidth = 9960;
    v.MainHeight = 7746;
    v.Zoom = 4;
    v.frmShoku = 0x0000FF;
    v.YohakuTop = -1000;
    v.Grid[0] = 500;
    for (int c = 1; c < SettingsValues::kGridColumns; ++c)
        v.Grid[size_t(c)] = 1000 + c;
    const QByteArray bytes = settingsfile::formatSettings(v);
    const QList<QByteArray> lines = bytes.split('\n');
    ASSERT_EQ(lines.size(), 39); // 38 lines and the empty rest after the last CR LF
    EXPECT_EQ(lines[0], "MainLeft=100\r");
    EXPECT_EQ(lines[1], "MainTop=1234.5\r");
    EXPECT_EQ(lines[12], "Zoom=4\r");
    EXPECT_EQ(lines[13], "frmShoku=255\r");
    EXPECT_EQ(lines[19], "Grid0=500\r");
    EXPECT_EQ(lines[36], "Grid17=1017\r");
    EXPECT_EQ(lines[37], "DataFile=\r");
    EXPECT_EQ(parse(bytes), v);
}

TEST(SettingsFile, FileLevelFailures) {
    TempFolder dir;
    SettingsValues v;
    const auto missing = settingsfile::ReadSettings(dir.file("tessaly.ini"), v);
    EXPECT_TRUE(missing.missing);
    EXPECT_EQ(settingsfile::missingMessage(), u"tessaly.ini が有りません");

    v.Zoom = 3;
    v.MainLeft = v.MainTop = v.MainWidth = v.MainHeight = 10.0f;
    v.Grid.fill(1200);
    v.DataFile = QStringLiteral("/home/局/list.stn");
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
        EXPECT_FALSE(written) << v.DataFile.toStdString();
        EXPECT_TRUE(written.error.contains(v.DataFile));
        SettingsValues reread;
        settingsfile::ReadSettings(dir.file("tessaly.ini"), reread);
        EXPECT_TRUE(reread.DataFile.isEmpty()) << reread.DataFile.toStdString();
        EXPECT_EQ(reread.Zoom, 3);
    }
}
