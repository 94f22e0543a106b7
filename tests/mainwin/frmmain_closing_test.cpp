#include "mainwindowfixture.h"

#include <QEvent>
#include <QFileInfo>

namespace {

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

struct CloseCase {
    const char* name;
    bool changed;
    Prompter::Answer answer; // to the save question, when there are changes
    bool closes;
    bool saves;
};

class SaveQuestionAtClose : public MainWindowTest,
                            public ::testing::WithParamInterface<CloseCase> {};

} // namespace

// Closing with a data file: the save question only after changes; whenever the window closes
// the backup copy and the settings are written, whether or not the data was saved.
TEST_P(SaveQuestionAtClose, AnswersDecideWhatIsWritten) {
    const CloseCase& c = GetParam();
    const QString path = writeRegister(u"list.stn"_qs, numbered(2));
    auto window = startWith(path);
    QFile::remove(settingsPath());
    if (c.changed) {
        window->DelGrid2Mem(1);
        prompter.nextAnswer(c.answer);
    }
    EXPECT_EQ(window->close(), c.closes);
    if (c.changed) {
        const Prompter::Message* question = prompter.lastMessage();
        EXPECT_EQ(question->text, u"Velmoraデータを保存しますか？"_qs);
        EXPECT_EQ(question->title, u"Velmoraの終了"_qs);
        EXPECT_EQ(question->buttons, Prompter::Buttons::YesNoCancel);
        EXPECT_EQ(question->icon, Prompter::Icon::Question);
    }
    EXPECT_EQ(QFileInfo(path).size(), (c.saves ? 1 : 2) * datafile::kRecordSize);
    EXPECT_EQ(data.read(u"BackUp/20240401list.stn"_qs),
              c.closes ? data.read(u"list.stn"_qs) : QByteArray());
    EXPECT_EQ(QFile::exists(settingsPath()), c.closes);
    EXPECT_EQ(finishedCount, c.closes ? 1 : 0);
    EXPECT_EQ(state.store.Modified, c.changed && !c.saves ? 1 : 0);
    if (c.closes) {
        EXPECT_EQ(readBackSettings().DataFile, path);
    } else {
        EXPECT_EQ(state.store.Count(), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, SaveQuestionAtClose,
    ::testing::Values(CloseCase{"unchanged", false, Prompter::Answer::Ok, true, false},
                      CloseCase{"yes", true, Prompter::Answer::Yes, true, true},
                      CloseCase{"no", true, Prompter::Answer::No, true, false},
                      CloseCase{"cancel", true, Prompter::Answer::Cancel, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, SaveQuestionYesWithoutADataFileAsksForAName) {
    writeSettings();
    auto window = start();
    state.store.Modified = 1;

    // Cancelling the save dialog, or a wrong extension, saves nothing: the window stays open.
    prompter.nextAnswer(Prompter::Answer::Yes);
    prompter.nextFileName(std::nullopt);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(prompter.lastFileRequest()->title, u"Velmoraデータの保存"_qs);
    prompter.nextAnswer(Prompter::Answer::Yes);
    prompter.nextFileName(data.file(u"list.txt"_qs));
    prompter.nextAnswer(Prompter::Answer::Yes); // create it
    prompter.nextAnswer(Prompter::Answer::Ok);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(prompter.lastMessage()->text, u"ファイル名（拡張子.stn）が違います"_qs);
    EXPECT_EQ(finishedCount, 0);

    // A good name: saved there, and the window closes.
    QDir(data.path()).mkpath(u"BackUp"_qs);
    prompter.nextAnswer(Prompter::Answer::Yes);
    prompter.nextFileName(data.file(u"list.STN"_qs));
    prompter.nextAnswer(Prompter::Answer::Yes); // create it
    EXPECT_TRUE(window->close());
    EXPECT_EQ(readBackSettings().DataFile, data.file(u"list.stn"_qs));
    EXPECT_TRUE(QFile::exists(data.file(u"list.stn"_qs)));
    EXPECT_TRUE(prompter.allAnswersUsed());
}

TEST_F(MainWindowTest, SaveQuestionYesWhenTheWriteFailsKeepsTheWindowOpen) {
    const QString path = writeRegister(u"list.stn"_qs, numbered(2));
    auto window = startWith(path);
    window->DelGrid2Mem(1);
    QDir(data.path()).removeRecursively(); // the data file's folder disappears
    prompter.nextAnswer(Prompter::Answer::Yes);
    prompter.nextAnswer(Prompter::Answer::Ok); // the error
    EXPECT_FALSE(window->close());
    EXPECT_EQ(prompter.lastMessage()->buttons, Prompter::Buttons::OkCancel);
    EXPECT_EQ(state.store.Modified, 1);
    EXPECT_EQ(state.store.DataFile, path);
    EXPECT_EQ(finishedCount, 0);
}

TEST_F(MainWindowTest, ClosingClosesTheOtherWindowsMostRecentFirst) {
    writeSettings();
    auto window = start();
    CloseOrder closes;
    QWidget first, second, third;
    first.setObjectName(u"first"_qs);
    second.setObjectName(u"second"_qs);
    third.setObjectName(u"third"_qs);
    for (QWidget* w : {&first, &second, &third}) {
        w->installEventFilter(&closes);
        w->show();
        window->trackWindow(w);
    }
    window->trackWindow(&first); // shown again: now the most recent
    ASSERT_TRUE(window->close());
    EXPECT_EQ(closes.order, (std::vector<QString>{u"first"_qs, u"third"_qs, u"second"_qs}));
    EXPECT_FALSE(second.isVisible());
}

TEST_F(MainWindowTest, CountdownEndsWhenItsCloseIsRefused) {
    // Changes made while the countdown runs bring the save question at 60 seconds; Cancel keeps
    // the window and ends the countdown.
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
}
