#include "mainwindowfixture.h"
#include "platform/gui/twips.h"

#include <QHeaderView>
#include <QTimer>
#include <cmath>
#include <tuple>

// At 60 seconds the countdown closes the window. Changes made meanwhile bring the save question;
// without a data file Yes asks for a name, and the window stays open (the countdown over) until
// the data is written.
TEST_F(MainWindowTest, FirstStartCountsDownAndAsksToSaveChangesAtTheEnd) {
    prompter.nextAnswer(Prompter::Answer::Ok);
    auto window = start();
    EXPECT_EQ(prompter.lastMessage()->text, u"tessaly.ini が有りません"_qs);
    EXPECT_EQ(prompter.lastMessage()->title, u"Velmora"_qs);
    EXPECT_TRUE(QDir(program.file(u"BackUP"_qs)).exists());
    EXPECT_TRUE(QDir(program.file(u"BackUP2"_qs)).exists());
    window->countdownTick();
    EXPECT_EQ(window->windowTitle(), u"Velmora\u3000"_qs + u"59 秒で自動終了"_qs);
    for (int i = 2; i <= 59; ++i)
        window->countdownTick();

    state.store.Modified = 1;
    auto closeSavingTo = [&](std::optional<QString> name, int messages) {
        prompter.nextAnswer(Prompter::Answer::Yes);
        prompter.nextFileName(name);
        if (messages > 0)
            prompter.nextAnswer(Prompter::Answer::Yes); // create it
        if (messages > 1)
            prompter.nextAnswer(Prompter::Answer::Ok); // the error
    };
    closeSavingTo(std::nullopt, 0);
    window->countdownTick();
    EXPECT_EQ(prompter.lastFileRequest()->title, u"Velmoraデータの保存"_qs);
    EXPECT_FALSE(window->countdownRunning());
    EXPECT_EQ(window->windowTitle(), u"Velmora"_qs);
    EXPECT_FALSE(window->stopCountdownAction->isVisible());
    closeSavingTo(data.file(u"no such folder/list.stn"_qs), 2);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(prompter.lastMessage()->buttons, Prompter::Buttons::OkCancel);
    EXPECT_EQ(finishedCount, 0);
    EXPECT_FALSE(QFile::exists(settingsPath()));

    QDir(data.path()).mkpath(u"BackUp"_qs);
    closeSavingTo(data.file(u"list.STN"_qs), 1);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(finishedCount, 1);
    EXPECT_EQ(readBackSettings().DataFile, data.file(u"list.STN"_qs));
    EXPECT_TRUE(QFile::exists(data.file(u"list.STN"_qs)));
    EXPECT_TRUE(prompter.allAnswersUsed());
}

// Each menu command with its caption; those that open something stop the countdown for good,
// the quick ones leave it running.
TEST_F(MainWindowTest, MenuCommandsAndWhetherTheyStopTheCountdown) {
    struct Case {
        QAction* MainWindow::*action;
        const char16_t* caption;
        bool asksForAFile;
        bool stops;
    };
    const std::vector<Case> cases = {
        {&MainWindow::openAction, u"開く", true, true},
        {&MainWindow::mergeAction, u"データ連結", true, true},
        {&MainWindow::saveAction, u"保存", true, true},
        {&MainWindow::batchPrintAction, u"一括印刷…", false, true},
        {&MainWindow::csvExportAction, u"CSV書き出し…", true, true},
        {&MainWindow::csvImportAction, u"CSV取り込み…", true, true},
        {&MainWindow::stopCountdownAction, u"自動終了停止", false, true},
        {&MainWindow::newStationAction, u"新規入力", false, true},
        {&MainWindow::duplicateCheckAction, u"重複チェック", false, false},
        {&MainWindow::printSettingsAction, u"印刷設定", false, true},
        {&MainWindow::aboutAction, u"バージョン", false, false},
    };
    auto window = startWith(writeRegister(u"list.stn"_qs, numbered(3)));
    for (const Case& c : cases) {
        QAction* action = window.get()->*c.action;
        EXPECT_EQ(action->text(), QString::fromUtf16(c.caption));
        window->countdownTimer->start();
        if (c.asksForAFile)
            prompter.nextFileName(std::nullopt);
        action->trigger();
        EXPECT_EQ(window->countdownRunning(), !c.stops) << action->text().toStdString();
    }
    EXPECT_EQ(window->quitAction->text(), u"終了"_qs);
    EXPECT_EQ(opened, (std::vector<std::string>{"batch", "new", "options", "about"}));
    EXPECT_TRUE(prompter.allAnswersUsed());
}

// Values that no whole number of pixels gives exactly come back unchanged, run after run, with
// the column widths; a column the user widened and a window the user moved are written anew.
TEST_F(MainWindowTest, PlaceSizeAndColumnWidthsStayTheSameOverRestarts) {
    SettingsValues values;
    values.MainLeft = 1501;
    values.MainTop = 1201;
    values.MainWidth = 9001;
    values.MainHeight = 6001;
    values.Grid[0] = 720;
    writeSettings(values);
    for (int run = 0; run < 3; ++run) {
        auto window = start();
        window->show();
        const int dpi = window->logicalDpiX();
        EXPECT_EQ(window->frameGeometry(),
                  QRect(twips::toPixels(1501, dpi), twips::toPixels(1201, dpi),
                        twips::toPixels(9001, dpi), twips::toPixels(6001, dpi)));
        EXPECT_EQ(window->recordGrid->verticalHeader()->width(), twips::toPixels(720, dpi));
        if (run == 0)
            window->recordGrid->setColumnWidth(RecordGridModel::modelColumn(5),
                                               twips::toPixels(2400, dpi));
        window->stopCountdown();
        ASSERT_TRUE(window->close());
        const SettingsValues w = readBackSettings();
        EXPECT_EQ(
            std::tuple(w.MainLeft, w.MainTop, w.MainWidth, w.MainHeight, w.Grid[0], w.Grid[5]),
            std::tuple(1501.0f, 1201.0f, 9001.0f, 6001.0f, 720, 2400))
            << run;
    }
    auto window = start();
    window->move(200, 150);
    window->stopCountdown();
    ASSERT_TRUE(window->close());
    EXPECT_EQ(readBackSettings().MainLeft,
              float(std::round(twips::fromPixels(200, window->logicalDpiX()))));
}

TEST_F(MainWindowTest, UnreadableSettingsStartWithDefaultsAndAFailedWriteStillEnds) {
    // A folder where the settings file should be: it can be neither read nor written.
    ASSERT_TRUE(QDir(program.path()).mkdir(QLatin1String(settingsfile::kFileName)));
    prompter.nextAnswer(Prompter::Answer::Ok);
    auto window = start();
    EXPECT_NE(prompter.lastMessage()->text, u"tessaly.ini が有りません"_qs);
    // The mouse on the empty register opens nothing.
    window->gridRightPressed();
    window->gridRightReleased();
    window->gridDoubleClicked();
    EXPECT_TRUE(opened.empty());

    prompter.nextAnswer(Prompter::Answer::Ok);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(finishedCount, 1);
    EXPECT_TRUE(prompter.allAnswersUsed());
}
