// 元に戻す and やり直し in the Edit menu over the window's own commands, and the menu shortcuts.
// What an undo gives back, step by step, is tested on the register's own undo; here, that each
// command records its step and the window follows it.
#include "mainwindowfixture.h"
#include "record/csvexport.h"
#include "record/recovery.h"

#include <QMenu>

namespace {

class UndoCommandTest : public MainWindowTest, public ::testing::WithParamInterface<const char*> {
protected:
    // Runs the command named by the parameter; returns the step it names in the menu.
    QString runCommand(MainWindow& window) {
        const std::string command = GetParam();
        if (command == "Delete") {
            window.deleteRecord(2);
            return u"削除 ＪＡ１ＡＡ2"_qs;
        }
        if (command == "DuplicateCheck") {
            window.duplicateCheckAction->trigger();
            return u"重複チェック"_qs;
        }
        if (command == "Merge") {
            prompter.nextFileName(writeRegister(u"more.stn"_qs, numbered(2, QDate(2023, 1, 31))));
            window.mergeAction->trigger();
            return u"データ連結"_qs;
        }
        const QString csv = data.file(u"club.csv"_qs);
        const StationRecord added =
            sampleStation(u"ＪＡ９ＺＺＺ"_qs, u"関第9号"_qs, QDate(2024, 5, 1));
        EXPECT_TRUE(csvfile::writeCsv(csv, {added}, csvfile::Encoding::Utf8));
        prompter.nextFileName(csv);
        prompter.nextAnswer(Prompter::Answer::Yes);
        window.csvImportAction->trigger();
        return u"CSV取り込み"_qs;
    }
};

} // namespace

// Each command undone gives back the register as opened, records and identities included, not
// modified, and without the copy kept for recovery; redone, the change again.
TEST_P(UndoCommandTest, UndoGivesBackTheRegisterAndRedoTheChange) {
    std::vector<StationRecord> records = numbered(4);
    records.push_back(records[1]); // ＪＡ１ＡＡ2 twice
    auto window = startWith(writeRegister(u"list.stn"_qs, records));
    const auto now = [&] { return std::pair(state.store.records(), state.store.rows()); };
    const auto opened = now();
    EXPECT_FALSE(window->undoAction->isEnabled());
    const QString step = runCommand(*window);
    const auto changed = now();
    ASSERT_NE(changed, opened);
    EXPECT_EQ(window->undoAction->text(), u"元に戻す（"_qs + step + u'）');
    ASSERT_TRUE(window->recoveryWriter().flush());
    ASSERT_TRUE(findRecovery(program.path(), state.store.DataFile).has_value());

    window->undoAction->trigger();
    EXPECT_EQ(now(), opened);
    EXPECT_EQ(rows(*window), 5);
    EXPECT_EQ(state.store.Modified, 0);
    EXPECT_FALSE(findRecovery(program.path(), state.store.DataFile).has_value());
    EXPECT_EQ(window->redoAction->text(), u"やり直し（"_qs + step + u'）');
    window->redoAction->trigger();
    EXPECT_EQ(state.store.records(), changed.first);
    EXPECT_EQ(state.store.Modified, 1);
    EXPECT_TRUE(prompter.allAnswersUsed());
}

INSTANTIATE_TEST_SUITE_P(Commands, UndoCommandTest,
                         ::testing::Values("Delete", "DuplicateCheck", "Merge", "CsvImport"),
                         [](const auto& info) { return std::string(info.param); });

// A save moves the unchanged state: undoing past it is a change again. Opening another file
// leaves nothing to undo or redo. 元に戻す and やり直し head the Edit menu, with the shortcuts.
TEST_F(MainWindowTest, SavingAndOpeningMoveTheUndoStateAndTheEditMenu) {
    auto window = startWith(writeRegister(u"list.stn"_qs, numbered(3)));
    window->deleteRecord(1);
    prompter.nextFileName(state.store.DataFile);
    window->saveAction->trigger();
    window->undoAction->trigger();
    EXPECT_EQ(state.store.Modified, 1);
    window->redoAction->trigger();
    EXPECT_EQ(state.store.Modified, 0);
    window->undoAction->trigger();
    prompter.nextFileName(writeRegister(u"other.stn"_qs, numbered(2)));
    prompter.nextAnswer(Prompter::Answer::No); // to the save question
    window->openAction->trigger();
    EXPECT_EQ(state.store.Count(), 2);
    EXPECT_FALSE(window->undoAction->isEnabled());
    EXPECT_FALSE(window->redoAction->isEnabled());
    EXPECT_EQ(window->undoAction->text(), u"元に戻す"_qs);
    EXPECT_EQ(window->redoAction->text(), u"やり直し"_qs);

    const std::vector<std::pair<QAction*, const char*>> shortcuts = {
        {window->openAction, "Ctrl+O"},       {window->saveAction, "Ctrl+S"},
        {window->newStationAction, "Ctrl+N"}, {window->undoAction, "Ctrl+Z"},
        {window->redoAction, "Ctrl+Y"},
    };
    for (const auto& [action, keys] : shortcuts)
        EXPECT_EQ(action->shortcut(), QKeySequence(QLatin1String(keys))) << keys;
    EXPECT_EQ(window->editMenu->actions(),
              (QList<QAction*>{window->undoAction, window->redoAction, window->editMenuSeparator,
                               window->newStationAction, window->duplicateCheckAction}));
    EXPECT_TRUE(prompter.allAnswersUsed());
}
