// 元に戻す and やり直し in the Edit menu over the window's own commands, and the menu shortcuts.
// What an undo gives back, step by step, is tested on the register's own undo; here, that each
// command records its step and the window follows it.
#include "mainwindowfixture.h"
#include "record/recovery.h"

#include <QMenu>
#include <functional>

// Each command undone gives back the register as opened, records and identities included, not
// modified, and without the copy kept for recovery; redone, the change again. (The CSV import's
// step: see its own test.)
TEST_F(MainWindowTest, UndoGivesBackTheRegisterAndRedoTheChange) {
    std::vector<StationRecord> records = numbered(4);
    records.push_back(records[1]); // ＪＡ１ＡＡ2 twice
    const QString list = writeRegister(u"list.stn"_qs, records);
    const QString more = writeRegister(u"more.stn"_qs, numbered(2, QDate(2023, 1, 31)));
    const std::vector<std::pair<QString, std::function<void(MainWindow&)>>> commands = {
        {u"削除 ＪＡ１ＡＡ2"_qs, [](MainWindow& window) { window.deleteRecord(2); }},
        {u"重複チェック"_qs, [](MainWindow& window) { window.duplicateCheckAction->trigger(); }},
        {u"データ連結"_qs, [&](MainWindow& window) { run(window.mergeAction, more); }}};
    const auto now = [&] { return std::pair(state.store.records(), state.store.rows()); };
    for (const auto& [step, command] : commands) {
        auto window = startWith(list);
        const auto opened = now();
        command(*window);
        const auto changed = now();
        ASSERT_NE(changed, opened);
        EXPECT_EQ(window->undoAction->text(), u"元に戻す（"_qs + step + u'）');
        ASSERT_TRUE(window->recoveryWriter().flush());
        ASSERT_TRUE(findRecovery(program.path(), list).has_value());

        window->undoAction->trigger();
        EXPECT_EQ(now(), opened);
        EXPECT_EQ(state.store.Modified, 0);
        EXPECT_FALSE(findRecovery(program.path(), list).has_value());
        window->redoAction->trigger();
        EXPECT_EQ(state.store.records(), changed.first);
        EXPECT_EQ(state.store.Modified, 1);
        window->stopCountdown();
        prompter.nextAnswer(Prompter::Answer::No); // to the save question
        window->close();
    }
}

// A save moves the unchanged state: undoing past it is a change again. Opening another file
// leaves nothing to undo or redo. 元に戻す and やり直し head the Edit menu, with the shortcuts.
TEST_F(MainWindowTest, SavingAndOpeningMoveTheUndoStateAndTheEditMenu) {
    auto window = startWith(writeRegister(u"list.stn"_qs, numbered(3)));
    window->deleteRecord(1);
    run(window->saveAction, state.store.DataFile);
    window->undoAction->trigger();
    EXPECT_EQ(state.store.Modified, 1);
    run(window->openAction, writeRegister(u"other.stn"_qs, numbered(2)), {Prompter::Answer::No});
    EXPECT_EQ(state.store.Count(), 2);
    EXPECT_FALSE(window->undoAction->isEnabled());
    EXPECT_FALSE(window->redoAction->isEnabled());
    EXPECT_EQ(window->undoAction->shortcut(), QKeySequence(u"Ctrl+Z"_qs));
    EXPECT_EQ(window->redoAction->shortcut(), QKeySequence(u"Ctrl+Y"_qs));
    EXPECT_EQ(window->editMenu->actions(),
              (QList<QAction*>{window->undoAction, window->redoAction, window->editMenuSeparator,
                               window->newStationAction, window->duplicateCheckAction}));
    EXPECT_TRUE(prompter.allAnswersUsed());
}
