#include "mainwindowfixture.h"

#include <QEvent>
#include <QFileInfo>

namespace {

// Notes the order in which windows receive their close.
class CloseOrder final : public QObject {
public:
    QStringList order;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Close)
            order << watched->objectName();
        return false;
    }
};

// The answer to the save question; none when nothing was changed.
class SaveQuestionAtClose : public MainWindowTest,
                            public ::testing::WithParamInterface<std::optional<Prompter::Answer>> {
};

} // namespace

// Closing with a data file: the save question only after changes; whenever the window closes
// the backup copy and the settings are written, whether or not the data was saved.
TEST_P(SaveQuestionAtClose, TheAnswerDecidesWhatIsWritten) {
    const std::optional<Prompter::Answer> answer = GetParam();
    const bool closes = answer != Prompter::Answer::Cancel;
    const bool saves = answer == Prompter::Answer::Yes;
    const QString path = writeRegister(u"list.stn"_qs, numbered(2));
    auto window = startWith(path);
    QFile::remove(settingsPath());
    if (answer) {
        window->DelGrid2Mem(1);
        prompter.nextAnswer(*answer);
    }
    EXPECT_EQ(window->close(), closes);
    if (answer) {
        const Prompter::Message* question = prompter.lastMessage();
        EXPECT_EQ(question->text, u"Velmoraデータを保存しますか？"_qs);
        EXPECT_EQ(question->title, u"Velmoraの終了"_qs);
        EXPECT_EQ(question->buttons, Prompter::Buttons::YesNoCancel);
        EXPECT_EQ(question->icon, Prompter::Icon::Question);
    }
    EXPECT_EQ(QFileInfo(path).size(), (saves ? 1 : 2) * datafile::kRecordSize);
    EXPECT_EQ(data.read(u"BackUp/20240401list.stn"_qs),
              closes ? data.read(u"list.stn"_qs) : QByteArray());
    EXPECT_EQ(readBackSettings().DataFile, closes ? path : QString());
    EXPECT_EQ(finishedCount, closes ? 1 : 0);
    EXPECT_EQ(state.store.Modified, answer && !saves ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Answers, SaveQuestionAtClose,
                         ::testing::Values(std::nullopt, Prompter::Answer::Yes,
                                           Prompter::Answer::No, Prompter::Answer::Cancel));

// Without a data file Yes asks for a name; the window stays open until the data is written.
TEST_F(MainWindowTest, SaveQuestionYesWithoutADataFileAsksForAName) {
    writeSettings();
    auto window = start();
    state.store.Modified = 1;
    auto closeSavingTo = [&](std::optional<QString> name, int messages) {
        prompter.nextAnswer(Prompter::Answer::Yes);
        prompter.nextFileName(name);
        if (messages > 0)
            prompter.nextAnswer(Prompter::Answer::Yes); // create it
        if (messages > 1)
            prompter.nextAnswer(Prompter::Answer::Ok); // the error
        const bool closed = window->close();
        EXPECT_TRUE(prompter.allAnswersUsed());
        return closed;
    };
    EXPECT_FALSE(closeSavingTo(std::nullopt, 0));
    EXPECT_EQ(prompter.lastFileRequest()->title, u"Velmoraデータの保存"_qs);
    EXPECT_FALSE(closeSavingTo(data.file(u"no such folder/list.stn"_qs), 2));
    EXPECT_EQ(prompter.lastMessage()->buttons, Prompter::Buttons::OkCancel);
    EXPECT_EQ(finishedCount, 0);
    EXPECT_TRUE(state.store.DataFile.isEmpty());

    QDir(data.path()).mkpath(u"BackUp"_qs);
    EXPECT_TRUE(closeSavingTo(data.file(u"list.STN"_qs), 1));
    EXPECT_EQ(readBackSettings().DataFile, data.file(u"list.stn"_qs));
    EXPECT_TRUE(QFile::exists(data.file(u"list.stn"_qs)));
}

TEST_F(MainWindowTest, ClosingClosesTheOtherWindowsMostRecentFirst) {
    writeSettings();
    auto window = start();
    CloseOrder closes;
    QWidget others[3];
    for (int i = 0; i < 3; ++i) {
        others[i].setObjectName(QString::number(i));
        others[i].installEventFilter(&closes);
        others[i].show();
        window->trackWindow(&others[i]);
    }
    window->trackWindow(&others[0]); // shown again: now the most recent
    ASSERT_TRUE(window->close());
    EXPECT_EQ(closes.order, QStringList({u"0"_qs, u"2"_qs, u"1"_qs}));
    EXPECT_FALSE(others[1].isVisible());
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
