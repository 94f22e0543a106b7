// The open data file guarded: another program's lock, a damaged file, another program's change
// before a save, and the recovery copy of unsaved changes offered at the next start.
#include "mainwindowfixture.h"

#include "record/datafilelock.h"
#include "record/recovery.h"
#include "support/shown.h"

// A file that another program holds, or one cut short (22 records and 122 stray bytes, named
// in a warning with No as the default), is neither opened nor merged after the message; the
// register stays as it was. After No to the save question an open leaves the new register
// unmodified, and the lock moves with it. Yes opens the damaged file, and the first save over
// it keeps the file as it was beside the backups.
TEST_F(MainWindowTest, AHeldOrDamagedFileIsOpenedOnlyWhenAllowed) {
    const QString list = writeRegister(u"list.stn"_qs, numbered(3));
    const QString held = writeRegister(u"held.stn"_qs, numbered(2));
    const QString cut = writeRegister(u"cut.stn"_qs, numbered(23));
    ASSERT_TRUE(QFile::resize(cut, 10000));
    const QByteArray asItWas = data.read(u"cut.stn"_qs);
    auto window = startWith(list);
    EXPECT_TRUE(QFile::exists(DataFileLock::lockPathFor(list)));

    DataFileLock other;
    ASSERT_TRUE(other.tryLock(held));
    for (QAction* command : {window->openAction, window->mergeAction}) {
        prompter.nextFileName(held);
        prompter.nextAnswer(Prompter::Answer::Ok);
        command->trigger();
        EXPECT_TRUE(prompter.lastMessage()->text.contains(u"他のプログラム"_qs));
        EXPECT_TRUE(prompter.lastMessage()->text.contains(QString::number(getpid())));
        prompter.nextFileName(cut);
        prompter.nextAnswer(Prompter::Answer::No);
        command->trigger();
        EXPECT_TRUE(prompter.lastMessage()->text.contains(u"122"_qs));
        EXPECT_EQ(prompter.lastMessage()->defaultAnswer, Prompter::Answer::No);
        EXPECT_EQ(state.store.DataFile, list);
        EXPECT_EQ(rows(*window), 3);
    }
    other.unlock();

    window->deleteRecord(1);
    prompter.nextFileName(held);
    prompter.nextAnswer(Prompter::Answer::No);
    window->openAction->trigger();
    EXPECT_EQ(state.store.DataFile, held);
    EXPECT_EQ(state.store.Modified, 0);
    EXPECT_TRUE(other.tryLock(list));
    EXPECT_FALSE(other.tryLock(held));

    prompter.nextFileName(cut);
    prompter.nextAnswer(Prompter::Answer::Yes);
    window->openAction->trigger();
    EXPECT_EQ(state.store.DataFile, cut);
    EXPECT_EQ(state.store.Count(), 22);
    prompter.nextFileName(cut);
    window->saveAction->trigger();
    const QString original =
        datafile::backupPathFor(cut, clock.today()) + u".開いたときの元のファイル"_qs;
    QFile kept(original);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), asItWas);
    EXPECT_EQ(data.read(u"cut.stn"_qs).size(), 22 * datafile::kRecordSize);
    EXPECT_TRUE(prompter.allAnswersUsed());
}

// Changed on disk since it was opened: the save asks, No being the default. No writes nothing,
// makes no backup and keeps the mark; Yes saves. A save after one's own save does not ask.
TEST_F(MainWindowTest, ASaveOverAnotherProgramsChangeAsksFirst) {
    const QString list = writeRegister(u"list.stn"_qs, numbered(3));
    auto window = startWith(list);
    window->deleteRecord(1);
    datafile::writeFile(list, numbered(5));
    const QByteArray theirs = data.read(u"list.stn"_qs);

    auto save = [&](Prompter::Answer answer) {
        prompter.nextFileName(list);
        prompter.nextAnswer(answer);
        window->saveAction->trigger();
    };
    save(Prompter::Answer::No);
    const Prompter::Message* asked = prompter.lastMessage();
    EXPECT_EQ(asked->text,
              list + u"は開いた後に他のプログラムで変更されています。上書きしますか？"_qs);
    EXPECT_EQ(asked->defaultAnswer, Prompter::Answer::No);
    EXPECT_EQ(data.read(u"list.stn"_qs), theirs);
    EXPECT_TRUE(QDir(data.file(u"BackUp"_qs)).isEmpty());
    EXPECT_EQ(state.store.Modified, 1);

    save(Prompter::Answer::Yes);
    EXPECT_EQ(data.read(u"list.stn"_qs).size(), 2 * datafile::kRecordSize);
    EXPECT_EQ(state.store.Modified, 0);
    prompter.nextFileName(list);
    window->saveAction->trigger();
    EXPECT_TRUE(prompter.allAnswersUsed());
}

// Unsaved changes are kept in a recovery copy; the next start offers it. Yes restores them,
// modified (also after a change undone), with the data file untouched; No throws the copy
// away. A save removes it.
TEST_F(MainWindowTest, UnsavedChangesAreOfferedBackAtTheNextStart) {
    const QString list = writeRegister(u"list.stn"_qs, numbered(4));
    const QByteArray original = data.read(u"list.stn"_qs);
    auto window = startWith(list);
    window->deleteRecord(2);
    ASSERT_TRUE(window->recoveryWriter().pending());
    ASSERT_TRUE(window->recoveryWriter().flush());
    const std::vector<QString> changed = shownColumn(state.store, 1);
    window.reset(); // as a crash: no closing sequence

    for (Prompter::Answer answer : {Prompter::Answer::No, Prompter::Answer::Yes}) {
        if (answer == Prompter::Answer::Yes) {
            // The copy the No threw away is made again by a new change.
            auto again = start();
            again->deleteRecord(2);
            ASSERT_TRUE(again->recoveryWriter().flush());
        }
        state.store.load({});
        state.store.Modified = 0;
        prompter.nextAnswer(answer);
        window = start();
        const Prompter::Message* asked = prompter.lastMessage();
        ASSERT_NE(asked, nullptr);
        EXPECT_TRUE(asked->text.startsWith(u"前回保存されなかった変更があります（"_qs));
        EXPECT_TRUE(asked->text.endsWith(u"）。復元しますか？"_qs));
        EXPECT_EQ(state.store.Modified, answer == Prompter::Answer::Yes ? 1 : 0);
        EXPECT_EQ(state.store.Count(), answer == Prompter::Answer::Yes ? 3 : 4);
        if (answer == Prompter::Answer::Yes) {
            // Nothing undoes the restore: it stays a change until saved.
            window->deleteRecord(1);
            window->undoAction->trigger();
            EXPECT_EQ(state.store.Modified, 1);
        }
        EXPECT_EQ(findRecovery(program.path(), list).has_value(), answer == Prompter::Answer::Yes);
        window.reset();
    }
    EXPECT_EQ(shownColumn(state.store, 1), changed);
    EXPECT_EQ(data.read(u"list.stn"_qs), original);

    prompter.nextAnswer(Prompter::Answer::Yes);
    window = start();
    prompter.nextFileName(list);
    window->saveAction->trigger();
    EXPECT_FALSE(findRecovery(program.path(), list).has_value());
    EXPECT_TRUE(prompter.allAnswersUsed());
}
