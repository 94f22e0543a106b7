// The open data file guarded: another program's lock, a damaged file, another program's change
// before a save, and the recovery copy of unsaved changes offered at the next start.
#include "mainwindowfixture.h"

#include "record/datafilelock.h"
#include "record/recovery.h"

// A file that another program holds, or one cut short (22 records and 122 stray bytes, named
// in a warning with No as the default), is neither opened nor merged after the message. The
// lock moves with an open. Yes opens the damaged file, and the first save over it keeps the
// file as it was beside the backups.
TEST_F(MainWindowTest, AHeldOrDamagedFileIsOpenedOnlyWhenAllowed) {
    const QString list = writeRegister(u"list.stn"_qs, numbered(3));
    const QString held = writeRegister(u"held.stn"_qs, numbered(2));
    const QString cut = writeRegister(u"cut.stn"_qs, numbered(23));
    ASSERT_TRUE(QFile::resize(cut, 10000));
    const QByteArray asItWas = data.read(u"cut.stn"_qs);
    auto window = startWith(list);

    DataFileLock other;
    ASSERT_TRUE(other.tryLock(held));
    for (QAction* command : {window->openAction, window->mergeAction}) {
        run(command, held, {Prompter::Answer::Ok});
        EXPECT_TRUE(prompter.lastMessage()->text.contains(u"他のプログラム"_qs));
        run(command, cut, {Prompter::Answer::No});
        EXPECT_TRUE(prompter.lastMessage()->text.contains(u"122"_qs));
        EXPECT_EQ(prompter.lastMessage()->defaultAnswer, Prompter::Answer::No);
        EXPECT_EQ(state.store.DataFile, list);
        EXPECT_EQ(rows(*window), 3);
    }
    other.unlock();
    run(window->openAction, held);
    EXPECT_TRUE(other.tryLock(list));
    EXPECT_FALSE(other.tryLock(held));

    run(window->openAction, cut, {Prompter::Answer::Yes});
    EXPECT_EQ(state.store.Count(), 22);
    run(window->saveAction, cut);
    QFile kept(datafile::backupPathFor(cut, clock.today()) + u".開いたときの元のファイル"_qs);
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

    run(window->saveAction, list, {Prompter::Answer::No});
    const Prompter::Message* asked = prompter.lastMessage();
    EXPECT_EQ(asked->text,
              list + u"は開いた後に他のプログラムで変更されています。上書きしますか？"_qs);
    EXPECT_EQ(asked->defaultAnswer, Prompter::Answer::No);
    EXPECT_EQ(data.read(u"list.stn"_qs), theirs);
    EXPECT_EQ(state.store.Modified, 1);

    run(window->saveAction, list, {Prompter::Answer::Yes});
    EXPECT_EQ(data.read(u"list.stn"_qs).size(), 2 * datafile::kRecordSize);
    run(window->saveAction, list); // one's own save does not count as another's change
    EXPECT_TRUE(prompter.allAnswersUsed());
}

// Unsaved changes are kept in a recovery copy; the next start offers it. No throws the copy
// away; Yes restores the changes, modified (also after a change undone), with the data file
// untouched. A save removes the copy.
TEST_F(MainWindowTest, UnsavedChangesAreOfferedBackAtTheNextStart) {
    const QString list = writeRegister(u"list.stn"_qs, numbered(4));
    const QByteArray original = data.read(u"list.stn"_qs);
    auto crashAfterADelete = [&] {
        auto window = start();
        window->deleteRecord(2);
        ASSERT_TRUE(window->recoveryWriter().flush());
        window.reset(); // as a crash: no closing sequence
        state.store.load({});
        state.store.Modified = 0;
    };
    startWith(list).reset();
    crashAfterADelete();
    prompter.nextAnswer(Prompter::Answer::No);
    auto window = start();
    EXPECT_TRUE(
        prompter.lastMessage()->text.startsWith(u"前回保存されなかった変更があります（"_qs));
    EXPECT_EQ(state.store.Count(), 4);
    EXPECT_FALSE(findRecovery(program.path(), list).has_value());
    window.reset();

    crashAfterADelete();
    prompter.nextAnswer(Prompter::Answer::Yes);
    window = start();
    EXPECT_EQ(state.store.Count(), 3);
    EXPECT_EQ(state.store.Modified, 1);
    window->deleteRecord(1);
    window->undoAction->trigger(); // nothing undoes the restore: it stays a change until saved
    EXPECT_EQ(state.store.Modified, 1);
    EXPECT_EQ(data.read(u"list.stn"_qs), original);
    run(window->saveAction, list);
    EXPECT_FALSE(findRecovery(program.path(), list).has_value());
    EXPECT_TRUE(prompter.allAnswersUsed());
}
