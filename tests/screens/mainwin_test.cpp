#include "mainwin/frmmain.h"
#include "platform/clock.h"
#include "platform/gui/fonts.h"
#include "record/appstate.h"
#include "record/datafile.h"
#include "record/settingsfile.h"
#include "support/scriptedprompter.h"
#include "support/tempfolder.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QTableView>
#include <gtest/gtest.h>
#include <limits>

namespace {

const QDate kToday(2024, 4, 1);

// A small register with every expiry colour in it.
std::vector<StationRecord> sampleRegister() {
    struct Entry {
        const char16_t* call;
        const char16_t* licence;
        int daysLeft;
        const char16_t* name;
        const char16_t* kana;
        const char16_t* club;
    };
    const Entry entries[] = {
        {u"ＪＡ１ＡＢＣ", u"関第1234号", 400, u"山田太郎", u"ﾔﾏﾀﾞ ﾀﾛｳ", u""},
        {u"ＪＡ２ＤＥＦ", u"東海第567号", 300, u"佐藤花子", u"ｻﾄｳ ﾊﾅｺ", u""},
        {u"ＪＡ３ＧＨＩ", u"近第8901号", 150, u"鈴木一郎", u"ｽｽﾞｷ ｲﾁﾛｳ",
         u"大阪アマチュア無線クラブ"},
        {u"ＪＡ４ＪＫＬ", u"中第2345号", 60, u"高橋美咲", u"ﾀｶﾊｼ ﾐｻｷ", u""},
        {u"ＪＡ５ＭＮＯ", u"四第6789号", 40, u"田中健太", u"ﾀﾅｶ ｹﾝﾀ", u""},
        {u"ＪＡ６ＰＱＲ", u"九第1357号", 10, u"渡辺陽子", u"ﾜﾀﾅﾍﾞ ﾖｳｺ", u""},
        {u"ＪＡ７ＳＴＵ", u"東北第2468号", -20, u"伊藤太郎", u"ｲﾄｳ ﾀﾛｳ", u""},
        {u"ＪＡ８ＶＷＸ", u"北海第3690号", 900, u"中村花子", u"ﾅｶﾑﾗ ﾊﾅｺ", u"札幌無線クラブ"},
    };
    std::vector<StationRecord> records;
    int n = 0;
    for (const Entry& e : entries) {
        StationRecord r;
        r.set(Field::CallSign, QString::fromUtf16(e.call));
        r.set(Field::LicenceNo, QString::fromUtf16(e.licence));
        r.setExpiry(kToday.addDays(e.daysLeft));
        r.set(Field::StationType, ++n % 3 ? u"固定局" : u"移動局");
        r.set(Field::HolderName, QString::fromUtf16(e.name));
        r.set(Field::HolderKana, QString::fromUtf16(e.kana));
        r.set(Field::ClubName, QString::fromUtf16(e.club));
        r.set(Field::StationZip, QStringLiteral("102-00%1").arg(70 + n));
        r.set(Field::StationAddr1, QStringLiteral("東京都千代田区九段南1-2-%1").arg(n));
        r.set(Field::ApplicantName, QString::fromUtf16(e.name));
        r.set(Field::ApplicantTel, QStringLiteral("03-1234-56%1").arg(n, 2, 10, QLatin1Char('0')));
        records.push_back(r);
    }
    // And one whose stored date is no date: it has no application window.
    records.back().ExpiryDate = std::numeric_limits<double>::quiet_NaN();
    return records;
}

} // namespace

TEST(MainWindowScreens, MainWindowWithARegister) {
    fonts::installSubstitutions();
    TempFolder folder;
    const QString dataFile = folder.file(QStringLiteral("list.stn"));
    ASSERT_TRUE(datafile::writeFile(dataFile, sampleRegister()));
    SettingsValues settings;
    settings.DataFile = dataFile;
    settings.MainWidth = 14000;
    settings.MainHeight = 5200;
    ASSERT_TRUE(
        settingsfile::WriteSettings(folder.file(QLatin1String(settingsfile::kFileName)), settings));

    AppState state;
    state.program = ProgramInfo::withFolder(folder.path());
    ScriptedPrompter prompter;
    FixedClock clock(kToday);
    frmMain window(state, prompter, clock);
    window.show();
    window.Grid1->selectRow(2);
    window.countdownTick();
    ASSERT_EQ(state.store.Count(), 8);

    const QString dir = QStringLiteral(VELMORA_SCREENS_DIR);
    QDir().mkpath(dir);
    const QString path = dir + QStringLiteral("/mainwin_frmMain.png");
    QFile::remove(path);
    ASSERT_TRUE(window.grab().toImage().save(path));
    const QImage written(path);
    ASSERT_FALSE(written.isNull());
    QSet<QRgb> colours;
    for (int y = 0; y < written.height(); y += 2) {
        for (int x = 0; x < written.width(); x += 2)
            colours.insert(written.pixel(x, y));
    }
    EXPECT_GE(colours.size(), 8) << "looks blank";
}
