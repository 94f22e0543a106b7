// CSV export and import through the main window's menu (the plan itself is the record's test).
#include "mainwindowfixture.h"

// Export a register through the menu and import it into an empty one: the plan is shown and
// asked about first (いいえ keeps the register), then the register is sorted and coloured. A
// file with nothing new is said so without a question and is no step to undo; a missing file
// changes nothing.
TEST_F(MainWindowTest, CsvExportAndImportThroughTheMenu) {
    const QString list = writeRegister(u"list.stn"_qs, numbered(3));
    auto window = startWith(list);
    const QString csv = data.file(u"club.csv"_qs);
    auto import = [&](const QString& file, std::optional<Prompter::Answer> asked) {
        run(window->csvImportAction, file, {asked.value_or(Prompter::Answer::Ok)});
        return prompter.lastMessage()->text;
    };

    run(window->csvExportAction, csv, {Prompter::Answer::Ok});
    EXPECT_EQ(prompter.lastFileRequest()->fileName, data.file(u"list.csv"_qs));
    EXPECT_EQ(prompter.lastMessage()->text, u"3 件を書き出しました。\n"_qs + csv);

    ASSERT_TRUE(state.store.load({}));
    const QString plan = u"追加 3件、更新 0件、変更なし 0件\n\n取り込みますか？"_qs;
    EXPECT_EQ(import(csv, Prompter::Answer::No), plan);
    EXPECT_EQ(state.store.Count(), 0);
    EXPECT_EQ(import(csv, Prompter::Answer::Yes), plan);
    EXPECT_EQ(rows(*window), 3);
    EXPECT_EQ(state.store.Modified, 1);
    EXPECT_EQ(state.store.colour(1), 0x0000FF00u); // coloured: 305 days left
    EXPECT_EQ(cell(*window, 3, 1), u"ＪＡ１ＡＡ3"_qs);
    EXPECT_EQ(import(csv, std::nullopt), u"追加 0件、更新 0件、変更なし 3件"_qs);
    EXPECT_EQ(window->undoAction->text(), u"元に戻す（CSV取り込み）"_qs);
    window->undoAction->trigger();

    const QString refusal = import(data.file(u"gone.csv"_qs), std::nullopt);
    EXPECT_TRUE(refusal.endsWith(u"\n\n何も取り込んでいません。"_qs)) << refusal.toStdString();
    EXPECT_EQ(state.store.Count(), 0);
    EXPECT_TRUE(prompter.allAnswersUsed());
}
