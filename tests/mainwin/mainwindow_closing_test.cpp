#include "mainwindowfixture.h"

#include "record/recovery.h"

#include <QEvent>
#include <QFileInfo>

namespace {

// Notes the order in which windows receive their close.
struct CloseOrder final : QObject {
    QStringList order;
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
// the backup copy and the settings are written, whether or not the data was saved. The copy
// kept for recovery goes with a save or a No, and stays while the window stays.
TEST_P(SaveQuestionAtClose, TheAnswerDecidesWhatIsWritten) {
    const std::optional<Prompter::Answer> answer = GetParam();
    const bool closes = answer != Prompter::Answer::Cancel;
    const bool saves = answer == Prompter::Answer::Yes;
    const QString path = writeRegister(u"list.stn"_qs, numbered(2));
    auto window = startWith(path);
    QFile::remove(settingsPath());
    if (answer) {
        window->deleteRecord(1);
        ASSERT_TRUE(window->recoveryWriter().flush());
        ASSERT_TRUE(findRecovery(program.path(), path));
        prompter.nextAnswer(*answer);
    }
    EXPECT_EQ(window->close(), closes);
    EXPECT_EQ(findRecovery(program.path(), path).has_value(), !closes);
    if (answer) {
        EXPECT_EQ(prompter.lastMessage()->buttons, Prompter::Buttons::YesNoCancel);
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
}
