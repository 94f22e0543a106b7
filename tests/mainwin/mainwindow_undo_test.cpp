// 元に戻す and やり直し in the Edit menu over the window's own commands, and the menu shortcuts.
#include "mainwin/registerundo.h"
#include "mainwindowfixture.h"
#include "record/csvexport.h"
#include "record/recovery.h"

#include <QMenu>
#include <functional>

namespace {

// Everything the grid shows of the register, with the identities.
struct Register {
    std::vector<StationRecord> records;
    std::vector<RecordStore::Row> rows;
    bool operator==(const Register&) const = default;
};

class UndoTest : public MainWindowTest {
protected:
    Register now() const { return {state.store.records(), state.store.rows()}; }
    // ＪＡ１ＡＡ1..4, ＪＡ１ＡＡ2 twice.
    std::unique_ptr<MainWindow> startWithList() {
        std::vector<StationRecord> records = numbered(4);
        records.push_back(records[1]);
        return startWith(writeRegister(u"list.stn"_qs, records));
    }
};

struct Command {
    const char* name;
    QString step;
    std::function<void(UndoTest&, MainWindow&)> run;
};

void PrintTo(const Command& command, std::ostream* out) {
    *out << command.name;
}

class UndoCommandTest : public UndoTest, public ::testing::WithParamInterface<Command> {
public:
    void mergeMore(MainWindow& window) {
        prompter.nextFileName(writeRegister(u"more.stn"_qs, numbered(2, QDate(2023, 1, 31))));
        window.mergeAction->trigger();
    }
    void importCsv(MainWindow& window) {
        const QString csv = data.file(u"club.csv"_qs);
        const StationRecord added =
            sampleStation(u"ＪＡ９ＺＺＺ"_qs, u"関第9号"_qs, QDate(2024, 5, 1));
        ASSERT_TRUE(csvfile::writeCsv(csv, {added}, csvfile::Encoding::Utf8));
        prompter.nextFileName(csv);
        prompter.nextAnswer(Prompter::Answer::Yes);
        window.csvImportAction->trigger();
    }
};

} // namespace

// Each command undone gives back the register as opened, to the byte, order, numbers, colours
// and identities included, and not modified; redone, the stations after it (sorted and
// numbered again, as after every undo or redo).
TEST_P(UndoCommandTest, UndoGivesBackTheRegisterAndRedoTheChange) {
    auto window = startWithList();
    const Register opened = now();
    ASSERT_EQ(state.store.Modified, 0);
    EXPECT_FALSE(window->undoAction->isEnabled());
    GetParam().run(*this, *window);
    const Register changed = now();
    ASSERT_NE(changed, opened);
    EXPECT_EQ(state.store.Modified, 1);
    EXPECT_EQ(window->undoAction->text(), u"元に戻す（"_qs + GetParam().step + u'）');

    window->undoAction->trigger();
    EXPECT_EQ(now(), opened);
    EXPECT_EQ(rows(*window), int(opened.records.size()));
    EXPECT_EQ(state.store.Modified, 0);
    EXPECT_EQ(window->undoAction->text(), u"元に戻す"_qs);
    EXPECT_EQ(window->redoAction->text(), u"やり直し（"_qs + GetParam().step + u'）');

    window->redoAction->trigger();
    EXPECT_EQ(state.store.records(), changed.records);
    EXPECT_EQ(state.store.Modified, 1);
    EXPECT_TRUE(prompter.allAnswersUsed());
}

INSTANTIATE_TEST_SUITE_P(
    Commands, UndoCommandTest,
    ::testing::Values(Command{"Delete", u"削除 ＪＡ１ＡＡ2"_qs,
                              [](UndoTest&, MainWindow& window) { window.deleteRecord(2); }},
                      Command{"DuplicateCheck", u"重複チェック"_qs,
                              [](UndoTest&, MainWindow& window) {
                                  window.duplicateCheckAction->trigger();
                              }},
                      Command{"Merge", u"データ連結"_qs,
                              [](UndoTest& test, MainWindow& window) {
                                  static_cast<UndoCommandTest&>(test).mergeMore(window);
                              }},
                      Command{"CsvImport", u"CSV取り込み"_qs,
                              [](UndoTest& test, MainWindow& window) {
                                  static_cast<UndoCommandTest&>(test).importCsv(window);
                              }}),
    [](const auto& info) { return std::string(info.param.name); });

// Undone back to the file, the copy of unsaved changes goes. A save moves the unchanged state:
// undoing past it is a change again. Opening another file leaves nothing to undo or redo.
TEST_F(UndoTest, ModifiedFollowsTheSaveAndOpeningClears) {
    auto window = startWithList();
    window->deleteRecord(1);
    ASSERT_TRUE(window->recoveryWriter().flush());
    ASSERT_TRUE(findRecovery(program.path(), state.store.DataFile).has_value());
    window->undoAction->trigger();
    EXPECT_FALSE(findRecovery(program.path(), state.store.DataFile).has_value());
    window->redoAction->trigger();
    prompter.nextFileName(state.store.DataFile);
    window->saveAction->trigger();
    EXPECT_EQ(state.store.Modified, 0);
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
    EXPECT_EQ(state.store.Modified, 0);
    EXPECT_TRUE(prompter.allAnswersUsed());
}

// 元に戻す and やり直し head the Edit menu; the other items keep their order.
TEST_F(UndoTest, MenuShortcutsAndTheEditMenu) {
    writeSettings();
    auto window = start();
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
    EXPECT_TRUE(window->editMenuSeparator->isSeparator());
    EXPECT_EQ(window->redoAction->text(), u"やり直し"_qs);
}
