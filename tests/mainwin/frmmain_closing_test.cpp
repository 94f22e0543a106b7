#include "mainwindowfixture.h"

#include <QCloseEvent>
#include <QFileInfo>

namespace {

const QString kBackupName = u"BackUp/20240401list.stn"_qs;

// Notes the order in which windows receive their close.
class CloseOrder final : public QObject {
public:
    std::vector<QString> order;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Close)
            order.push_back(watched->objectName());
        return false;
    }
};

} // namespace

TEST_F(MainWindowTest, CloseWithoutChangesAsksNothingAndCopiesTheBackup) {
    const QString path = writeRegister(u"list.stn"_qs, stations::numbered(2));
    auto window = startWith(path);
    ASSERT_TRUE(window->close());
    EXPECT_TRUE(prompter.messages().empty());
    EXPECT_EQ(finishedCount, 1);
    EXPECT_EQ(data.read(kBackupName), data.read(u"list.stn"_qs));
    EXPECT_EQ(readBackSettings().DataFile, path);
}

TEST_F(MainWindowTest, SaveQuestionYesWithADataFileSavesAndCloses) {
    const QString path = writeRegister(u"list.stn"_qs, stations::numbered(2));
    auto window = startWith(path);
    window->DelGrid2Mem(1);
    ASSERT_EQ(state.store.Modified, 1);
    prompter.nextAnswer(Prompter::Answer::Yes);
    ASSERT_TRUE(window->close());
    const Prompter::Message* question = prompter.lastMessage();
    EXPECT_EQ(question->text, u"Velmoraデータを保存しますか？"_qs);
    EXPECT_EQ(question->title, u"Velmoraの終了"_qs);
    EXPECT_EQ(question->buttons, Prompter::Buttons::YesNoCancel);
    EXPECT_EQ(question->icon, Prompter::Icon::Question);
    EXPECT_EQ(QFileInfo(path).size(), datafile::kRecordSize);
    EXPECT_EQ(data.read(kBackupName), data.read(u"list.stn"_qs));
    EXPECT_EQ(finishedCount, 1);
}

TEST_F(MainWindowTest, SaveQuestionNoClosesWithoutSavingButStillCopiesTheBackup) {
    const QString path = writeRegister(u"list.stn"_qs, stations::numbered(2));
    const QByteArray before = data.read(u"list.stn"_qs);
    auto window = startWith(path);
    window->DelGrid2Mem(1);
    prompter.nextAnswer(Prompter::Answer::No);
    ASSERT_TRUE(window->close());
    EXPECT_EQ(data.read(u"list.stn"_qs), before);
    EXPECT_EQ(data.read(kBackupName), before);
    EXPECT_TRUE(QFile::exists(settingsPath()));
    EXPECT_EQ(finishedCount, 1);
}

TEST_F(MainWindowTest, SaveQuestionCancelKeepsEverything) {
    const QString path = writeRegister(u"list.stn"_qs, stations::numbered(2));
    const QByteArray before = data.read(u"list.stn"_qs);
    auto window = startWith(path);
    QFile::remove(settingsPath());
    window->DelGrid2Mem(1);
    prompter.nextAnswer(Prompter::Answer::Cancel);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(state.store.Modified, 1);
    EXPECT_EQ(state.store.Count(), 1);
    EXPECT_EQ(data.read(u"list.stn"_qs), before);
    EXPECT_FALSE(QFile::exists(data.file(kBackupName)));
    EXPECT_FALSE(QFile::exists(settingsPath()));
    EXPECT_EQ(finishedCount, 0);
    // Closing again and answering No ends it.
    prompter.nextAnswer(Prompter::Answer::No);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(finishedCount, 1);
}

TEST_F(MainWindowTest, SaveQuestionYesWithoutADataFileAsksForAName) {
    writeSettings();
    auto window = start();
    window->StopAutoExit();
    state.store.Modified = 1;

    // Cancelling the save dialog saves nothing, so the window stays open.
    prompter.nextAnswer(Prompter::Answer::Yes);
    prompter.nextFileName(std::nullopt);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(prompter.lastFileRequest()->title, u"Velmoraデータの保存"_qs);
    EXPECT_EQ(prompter.lastFileRequest()->kind, Prompter::FileRequest::Kind::Save);
    EXPECT_TRUE(prompter.lastFileRequest()->fileName.isEmpty());

    // A wrong extension: the message, and the window stays open.
    prompter.nextAnswer(Prompter::Answer::Yes);
    prompter.nextFileName(data.file(u"list.txt"_qs));
    prompter.nextAnswer(Prompter::Answer::Yes); // create it
    prompter.nextAnswer(Prompter::Answer::Ok);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(prompter.lastMessage()->text, u"ファイル名（拡張子.stn）が違います"_qs);
    EXPECT_FALSE(QFile::exists(data.file(u"list.txt"_qs)));
    EXPECT_EQ(finishedCount, 0);

    // A good name: saved there, and the window closes.
    QDir(data.path()).mkpath(u"BackUp"_qs);
    prompter.nextAnswer(Prompter::Answer::Yes);
    prompter.nextFileName(data.file(u"list.STN"_qs));
    prompter.nextAnswer(Prompter::Answer::Yes); // create it
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(QFile::exists(data.file(u"list.stn"_qs)));
    EXPECT_EQ(readBackSettings().DataFile, data.file(u"list.stn"_qs));
    EXPECT_EQ(finishedCount, 1);
    EXPECT_TRUE(prompter.allAnswersUsed());
}

TEST_F(MainWindowTest, SaveQuestionYesWhenTheWriteFailsKeepsTheWindowOpen) {
    const QString path = writeRegister(u"list.stn"_qs, stations::numbered(2));
    auto window = startWith(path);
    window->DelGrid2Mem(1);
    // The data file's folder disappears under the program.
    QDir(data.path()).removeRecursively();
    prompter.nextAnswer(Prompter::Answer::Yes);
    prompter.nextAnswer(Prompter::Answer::Ok); // the error
    EXPECT_FALSE(window->close());
    EXPECT_EQ(prompter.lastMessage()->buttons, Prompter::Buttons::OkCancel);
    EXPECT_FALSE(prompter.lastMessage()->text.isEmpty());
    EXPECT_EQ(state.store.Modified, 1);
    EXPECT_EQ(state.store.DataFile, path);
    EXPECT_EQ(finishedCount, 0);
}

TEST_F(MainWindowTest, ClosingClosesTheOtherWindowsMostRecentFirst) {
    writeSettings();
    auto window = start();
    CloseOrder closes;
    QWidget first;
    first.setObjectName(u"first"_qs);
    QWidget second;
    second.setObjectName(u"second"_qs);
    QWidget third;
    third.setObjectName(u"third"_qs);
    for (QWidget* w : {&first, &second, &third}) {
        w->installEventFilter(&closes);
        w->show();
    }
    window->trackWindow(&first);
    window->trackWindow(&second);
    window->trackWindow(&third);
    window->trackWindow(&first); // shown again: now the most recent
    ASSERT_TRUE(window->close());
    EXPECT_EQ(closes.order, (std::vector<QString>{u"first"_qs, u"third"_qs, u"second"_qs}));
    EXPECT_FALSE(first.isVisible());
    EXPECT_FALSE(second.isVisible());
}

TEST_F(MainWindowTest, CountdownClosesAnOpenVersionBox) {
    writeSettings();
    auto window = start();
    QWidget box;
    box.show();
    window->trackWindow(&box);
    for (int i = 0; i < 60; ++i)
        window->countdownTick();
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(finishedCount, 1);
}

TEST_F(MainWindowTest, CountdownEndsWhenItsCloseIsRefused) {
    // Changes made while the countdown runs (a duplicate check that removed a row) bring the
    // save question at 60 seconds; Cancel keeps the window and ends the countdown.
    writeSettings();
    auto window = start();
    state.store.Modified = 1;
    prompter.nextAnswer(Prompter::Answer::Cancel);
    for (int i = 0; i < 60; ++i)
        window->countdownTick();
    EXPECT_EQ(finishedCount, 0);
    EXPECT_FALSE(window->countdownRunning());
    EXPECT_EQ(window->windowTitle(), u"Velmora"_qs);
    EXPECT_FALSE(window->AutoExit->isVisible());
    prompter.nextAnswer(Prompter::Answer::No);
    window->close();
}
