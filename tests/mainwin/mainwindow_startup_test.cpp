#include "mainwindowfixture.h"
#include "platform/gui/twips.h"

#include <QHeaderView>
#include <QTimer>
#include <tuple>

// At 60 seconds the countdown closes the window. Changes made meanwhile bring the save question;
// without a data file Yes asks for a name, and the window stays open (the countdown over) until
// the data is written. A data file written counts as saved even when its backup copy fails.
TEST_F(MainWindowTest, FirstStartCountsDownAndAsksToSaveChangesAtTheEnd) {
    prompter.nextAnswer(Prompter::Answer::Ok);
    auto window = start();
    EXPECT_EQ(prompter.lastMessage()->text, u"tessaly.ini が有りません"_qs);
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
        for (int i = 1; i < messages; ++i)
            prompter.nextAnswer(Prompter::Answer::Ok); // an error
    };
    closeSavingTo(std::nullopt, 0);
    window->countdownTick();
    EXPECT_EQ(prompter.lastFileRequest()->title, u"Velmoraデータの保存"_qs);
    EXPECT_FALSE(window->countdownRunning());
    EXPECT_EQ(window->windowTitle(), u"Velmora"_qs);
    closeSavingTo(data.file(u"no such folder/list.stn"_qs), 2);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(state.store.Modified, 1);
    EXPECT_EQ(finishedCount, 0);
    EXPECT_FALSE(QFile::exists(settingsPath()));

    data.write(u"BackUp"_qs, "a file where the backup folder belongs");
    closeSavingTo(data.file(u"list.STN"_qs), 3); // and the backup at exit fails too
    EXPECT_TRUE(window->close());
    EXPECT_EQ(finishedCount, 1);
    EXPECT_EQ(readBackSettings().DataFile, data.file(u"list.STN"_qs));
    EXPECT_TRUE(QFile::exists(data.file(u"list.STN"_qs)));
    EXPECT_TRUE(prompter.allAnswersUsed());
}

// Commands that open something stop the countdown for good, the quick ones leave it running.
TEST_F(MainWindowTest, MenuCommandsAndWhetherTheyStopTheCountdown) {
    auto window = startWith(writeRegister(u"list.stn"_qs, numbered(3)));
    const std::vector<std::tuple<QAction*, bool, bool>> cases = {
        {window->openAction, true, true},
        {window->newStationAction, false, true},
        {window->stopCountdownAction, false, true},
        {window->duplicateCheckAction, false, false},
        {window->aboutAction, false, false}};
    for (const auto& [action, asksForAFile, stops] : cases) {
        window->countdownTimer->start();
        if (asksForAFile)
            prompter.nextFileName(std::nullopt);
        action->trigger();
        EXPECT_EQ(window->countdownRunning(), !stops) << action->text().toStdString();
    }
    EXPECT_EQ(opened, (std::vector<std::string>{"new", "about"}));
    EXPECT_TRUE(prompter.allAnswersUsed());
}

// Values that no whole number of pixels gives exactly come back unchanged, run after run, with
// the column widths; a column the user widened is written anew.
TEST_F(MainWindowTest, PlaceSizeAndColumnWidthsStayTheSameOverRestarts) {
    SettingsValues values;
    values.MainLeft = 1501;
    values.MainTop = 1201;
    values.MainWidth = 9001;
    values.MainHeight = 6001;
    values.Grid[0] = 720;
    writeSettings(values);
    for (int run = 0; run < 2; ++run) {
        auto window = start();
        window->show();
        const int dpi = window->logicalDpiX();
        EXPECT_EQ(window->frameGeometry(),
                  QRect(twips::toPixels(1501, dpi), twips::toPixels(1201, dpi),
                        twips::toPixels(9001, dpi), twips::toPixels(6001, dpi)));
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
}

// A folder where the settings file should be: it can be neither read nor written, and the
// window still starts and ends; the mouse on the empty register opens nothing.
TEST_F(MainWindowTest, UnreadableSettingsStartWithDefaultsAndAFailedWriteStillEnds) {
    ASSERT_TRUE(QDir(program.path()).mkdir(QLatin1String(settingsfile::kFileName)));
    prompter.nextAnswer(Prompter::Answer::Ok);
    auto window = start();
    EXPECT_NE(prompter.lastMessage()->text, u"tessaly.ini が有りません"_qs);
    window->gridRightPressed();
    window->gridRightReleased();
    window->gridDoubleClicked();
    EXPECT_TRUE(opened.empty());
    prompter.nextAnswer(Prompter::Answer::Ok);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(finishedCount, 1);
    EXPECT_TRUE(prompter.allAnswersUsed());
}
