#include "mainwindowfixture.h"

// Export a register through the menu and import it into an empty one, as the merge does: sorted
// and coloured. Importing again removes the duplicates; a bad file or one that would not fit
// changes nothing.
TEST_F(MainWindowTest, CsvExportAndImportThroughTheMenu) {
    const QString list = writeRegister(u"list.stn"_qs, numbered(3));
    auto window = startWith(list);
    const QString csv = data.file(u"club.csv"_qs);
    auto import = [&](const QString& file) {
        prompter.nextFileName(file);
        prompter.nextAnswer(Prompter::Answer::Ok);
        window->csvImportAction->trigger();
        return prompter.lastMessage()->text;
    };

    prompter.nextFileName(csv);
    prompter.nextAnswer(Prompter::Answer::Ok);
    window->csvExportAction->trigger();
    const Prompter::FileRequest exportRequest = *prompter.lastFileRequest();
    EXPECT_EQ(exportRequest.title, u"VelmoraデータのCSV書き出し"_qs);
    EXPECT_EQ(exportRequest.fileName, data.file(u"list.csv"_qs)); // named after the data file
    EXPECT_EQ(exportRequest.flags, Prompter::OverwritePrompt | Prompter::HideReadOnly);
    EXPECT_EQ(prompter.lastMessage()->text, u"3 件を書き出しました。\n"_qs + csv);

    ASSERT_TRUE(state.store.load({}));
    EXPECT_EQ(import(csv), u"3 件を取り込みました。"_qs);
    EXPECT_EQ(prompter.lastFileRequest()->title, u"VelmoraへのCSV取り込み"_qs);
    EXPECT_EQ(rows(*window), 3);
    EXPECT_EQ(state.store.Modified, 1);
    EXPECT_EQ(state.store.colour(1), 0x0000FF00u); // coloured: 305 days left
    EXPECT_EQ(cell(*window, 3, 1), u"ＪＡ１ＡＡ3"_qs);

    EXPECT_EQ(import(csv),
              u"3 件を取り込みました。\n重複していた 3 件を除き、登録は 3 件になりました。"_qs);

    state.store.Modified = 0;
    const QString refusal = import(data.file(u"gone.csv"_qs));
    EXPECT_TRUE(refusal.endsWith(u"\n\n何も取り込んでいません。"_qs)) << refusal.toStdString();
    EXPECT_EQ(prompter.lastMessage()->icon, Prompter::Icon::Warning);
    EXPECT_EQ(state.store.Modified, 0);

    ASSERT_TRUE(state.store.load(std::vector<StationRecord>(RecordStore::kMaxRecords - 1)));
    EXPECT_EQ(
        import(csv),
        u"取り込むと 32769 件になり、登録できる 32767 件を超えます。\n何も取り込んでいません。"_qs);
    EXPECT_EQ(state.store.Count(), RecordStore::kMaxRecords - 1);
    EXPECT_EQ(state.store.Modified, 0);
    EXPECT_TRUE(prompter.allAnswersUsed());
}
