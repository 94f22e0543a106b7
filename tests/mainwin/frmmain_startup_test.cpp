#include "mainwindowfixture.h"
#include "platform/gui/twips.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <cmath>

namespace {

QString countdownTitle(int secondsLeft) {
    return u"Velmora\u3000"_qs + QString::number(secondsLeft) + u" 秒で自動終了"_qs;
}

} // namespace

TEST_F(MainWindowTest, FirstStartShowsTheMissingSettingsMessageThenCountsDownToTheEnd) {
    prompter.nextAnswer(Prompter::Answer::Ok);
    auto window = start();
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_EQ(prompter.lastMessage()->text, u"tessaly.ini が有りません"_qs);
    EXPECT_EQ(prompter.lastMessage()->title, u"Velmora"_qs);
    EXPECT_TRUE(QDir(program.file(u"BackUP"_qs)).exists());
    EXPECT_TRUE(QDir(program.file(u"BackUP2"_qs)).exists());
    EXPECT_EQ(rows(*window), 1); // an empty register shows one blank row
    EXPECT_EQ(window->windowTitle(), u"Velmora"_qs);

    window->countdownTick();
    EXPECT_EQ(window->windowTitle(), countdownTitle(59));
    for (int i = 2; i <= 59; ++i)
        window->countdownTick();
    EXPECT_EQ(window->windowTitle(), countdownTitle(1));
    EXPECT_EQ(finishedCount, 0);
    EXPECT_FALSE(QFile::exists(settingsPath()));

    // At 60 seconds the program ends without asking anything and leaves its settings.
    window->countdownTick();
    EXPECT_EQ(finishedCount, 1);
    EXPECT_TRUE(QFile::exists(settingsPath()));
    EXPECT_FALSE(window->countdownRunning());
}

// Every menu command in menu order, with its caption; those that open something stop the
// countdown for good, the quick ones leave it running.
TEST_F(MainWindowTest, MenuCommandsAndWhetherTheyStopTheCountdown) {
    const QString dataFile = writeRegister(u"list.stn"_qs, numbered(3));
    struct Case {
        QAction* frmMain::*action;
        const char16_t* caption;
        bool asksForAFile;
        bool stops;
    };
    const std::vector<Case> cases = {
        {&frmMain::file_open, u"開く", true, true},
        {&frmMain::fileAppend, u"データ連結", true, true},
        {&frmMain::file_Save, u"保存", true, true},
        {&frmMain::fileBatch, u"一括印刷…", false, true},
        {&frmMain::csvExport, u"CSV書き出し…", true, true},
        {&frmMain::csvImport, u"CSV取り込み…", true, true},
        {&frmMain::AutoExit, u"自動終了停止", false, true},
        {&frmMain::Input, u"新規入力", false, true},
        {&frmMain::DupeChk, u"重複チェック", false, false},
        {&frmMain::mnuSet, u"印刷設定", false, true},
        {&frmMain::about, u"バージョン", false, false},
    };
    auto window = startWith(dataFile);
    QStringList menuOrder;
    for (QAction* title : window->menuBar()->actions()) {
        for (QAction* action : title->menu() ? title->menu()->actions() : QList{title})
            if (!action->isSeparator() && action != window->owari)
                menuOrder << action->text();
    }
    QStringList tableOrder;
    for (const Case& c : cases)
        tableOrder << QString::fromUtf16(c.caption);
    EXPECT_EQ(menuOrder, tableOrder);
    EXPECT_EQ(window->owari->text(), u"終了"_qs);

    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.caption).toStdString());
        window.reset(); // one model listens to the store at a time
        window = startWith(dataFile);
        window->countdownTick();
        if (c.asksForAFile)
            prompter.nextFileName(std::nullopt);
        (window.get()->*c.action)->trigger();
        EXPECT_EQ(window->countdownRunning(), !c.stops);
        EXPECT_EQ(window->AutoExit->isVisible(), !c.stops);
        EXPECT_EQ(window->windowTitle(), c.stops ? u"Velmora"_qs : countdownTitle(59));
        EXPECT_TRUE(prompter.allAnswersUsed());
    }
    EXPECT_EQ(opened, (std::vector<std::string>{"batch", "new", "options", "about"}));
}

TEST_F(MainWindowTest, StartUpOpensTheLastDataFileSortedAndColoured) {
    std::vector<StationRecord> records = numbered(3, QDate(2024, 5, 1));
    std::swap(records[0], records[2]);
    const QString path = writeRegister(u"list.stn"_qs, records);
    state.print.PrepayAnswer = 1;
    auto window = startWith(path);
    EXPECT_EQ(state.store.DataFile, path);
    EXPECT_EQ(state.store.Modified, 0);
    EXPECT_EQ(state.print.PrepayAnswer, 0);
    EXPECT_EQ(rows(*window), 3);
    EXPECT_EQ(cell(*window, 1, 1), u"ＪＡ１ＡＡ1"_qs);
    // 30 days left: magenta, in every cell of the row.
    const QAbstractItemModel* model = window->Grid1->model();
    EXPECT_EQ(model->data(model->index(0, 4), Qt::BackgroundRole).value<QColor>(),
              QColor(255, 0, 255));
    EXPECT_TRUE(window->countdownRunning());
}

TEST_F(MainWindowTest, StartUpWithAMissingOrUnreadableDataFile) {
    // Missing: an empty register for that name, without a message.
    const QString gone = data.file(u"gone.stn"_qs);
    auto window = startWith(gone);
    EXPECT_EQ(state.store.Count(), 0);
    EXPECT_EQ(state.store.DataFile, gone);
    window.reset();

    // Unreadable: the error, and an empty register that must not be saved over that file.
    prompter.nextAnswer(Prompter::Answer::Ok);
    window = startWith(writeHugeFile());
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_EQ(prompter.lastMessage()->buttons, Prompter::Buttons::OkCancel);
    EXPECT_EQ(state.store.Count(), 0);
    EXPECT_TRUE(state.store.DataFile.isEmpty());
}

TEST_F(MainWindowTest, TheOuterPlaceAndSizeStayTheSameOverRestarts) {
    SettingsValues values;
    values.MainLeft = 1500;
    values.MainTop = 1200;
    values.MainWidth = 9000;
    values.MainHeight = 6000;
    writeSettings(values);
    for (int run = 0; run < 3; ++run) {
        auto window = start();
        window->show();
        const int dpi = window->logicalDpiX();
        EXPECT_EQ(window->frameGeometry(),
                  QRect(twips::toPixels(1500, dpi), twips::toPixels(1200, dpi),
                        twips::toPixels(9000, dpi), twips::toPixels(6000, dpi)));
        window->StopAutoExit();
        ASSERT_TRUE(window->close());
        const SettingsValues written = readBackSettings();
        EXPECT_EQ(written.MainLeft, 1500.0f) << run;
        EXPECT_EQ(written.MainTop, 1200.0f) << run;
        EXPECT_EQ(written.MainWidth, 9000.0f) << run;
        EXPECT_EQ(written.MainHeight, 6000.0f) << run;
    }
}

TEST_F(MainWindowTest, SettingsAreAppliedAndWrittenBack) {
    SettingsValues values;
    values.Grid[3] = 3000;
    values.Grid[0] = 720;
    // Values that no whole number of pixels gives exactly.
    values.MainLeft = 301;
    values.MainTop = 451;
    values.MainWidth = 9001;
    values.MainHeight = 6001;
    writeSettings(values);
    auto window = start();
    const int dpi = window->logicalDpiX();
    EXPECT_EQ(window->Grid1->columnWidth(3), twips::toPixels(3000, dpi));
    EXPECT_EQ(window->Grid1->verticalHeader()->width(), twips::toPixels(720, dpi));
    EXPECT_EQ(window->frameGeometry().topLeft(),
              QPoint(twips::toPixels(301, dpi), twips::toPixels(451, window->logicalDpiY())));

    // The user widens column 5; everything else is written back as read.
    window->Grid1->setColumnWidth(5, twips::toPixels(2400, dpi));
    window->StopAutoExit();
    ASSERT_TRUE(window->close());
    const SettingsValues written = readBackSettings();
    EXPECT_EQ(written.Grid[3], 3000);
    EXPECT_EQ(written.Grid[0], 720);
    EXPECT_EQ(written.Grid[5], 2400);
    EXPECT_EQ(written.MainLeft, 301.0f);
    EXPECT_EQ(written.MainWidth, 9001.0f);

    // A window the user moved is written where it stands.
    window.reset();
    window = start();
    window->move(100, 80);
    window->StopAutoExit();
    ASSERT_TRUE(window->close());
    EXPECT_EQ(readBackSettings().MainLeft, float(std::round(twips::fromPixels(100, dpi))));
    EXPECT_NE(readBackSettings().MainWidth, 9001.0f);
}

TEST_F(MainWindowTest, AWindowPlacedOffEveryScreenComesBackOntoThePrimaryOne) {
    SettingsValues values;
    values.MainLeft = 400000;
    values.MainTop = -300000;
    writeSettings(values);
    auto window = start();
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(area.contains(window->frameGeometry().topLeft()));
}

TEST_F(MainWindowTest, AMinimisedWindowWritesTheFixedPlace) {
    writeSettings();
    auto window = start();
    window->show();
    window->showMinimized();
    if (!window->isMinimized())
        GTEST_SKIP() << "this platform cannot minimise";
    ASSERT_TRUE(window->close());
    const SettingsValues written = readBackSettings();
    EXPECT_EQ(written.MainLeft, 100.0f);
    EXPECT_EQ(written.MainTop, 100.0f);
    EXPECT_EQ(written.MainWidth, 9960.0f);
    EXPECT_EQ(written.MainHeight, 7746.0f);
}

TEST_F(MainWindowTest, DestroyedWhileShownWithoutClosing) {
    // Torn down without its closing sequence, the window must not read its grid after the grid
    // is gone (the sanitizer build sees it).
    auto window = startWith(writeRegister("list.stn", numbered(3)));
    window->show();
    window.reset();
    EXPECT_EQ(finishedCount, 0);
}

TEST_F(MainWindowTest, UnreadableSettingsStartWithDefaultsAndAFailedWriteStillEnds) {
    // A folder where the settings file should be: it can be neither read nor written.
    ASSERT_TRUE(QDir(program.path()).mkdir(QLatin1String(settingsfile::kFileName)));
    prompter.nextAnswer(Prompter::Answer::Ok);
    auto window = start();
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_NE(prompter.lastMessage()->text, u"tessaly.ini が有りません"_qs);
    EXPECT_FALSE(prompter.lastMessage()->text.isEmpty());
    EXPECT_TRUE(window->countdownRunning());

    prompter.nextAnswer(Prompter::Answer::Ok);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(prompter.messages().size(), 2u);
    EXPECT_EQ(finishedCount, 1);
}
