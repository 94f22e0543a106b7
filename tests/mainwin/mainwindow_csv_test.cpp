#include "mainwindowfixture.h"

// Export a register through the menu and import it into an empty one: the plan is shown and
// asked about first, then the register is sorted and coloured. Importing a corrected file
// updates the station it names instead of keeping the old values; a bad file or one that would
// not fit changes nothing.
TEST_F(MainWindowTest, CsvExportAndImportThroughTheMenu) {
    const QString list = writeRegister(u"list.stn"_qs, numbered(3));
    auto window = startWith(list);
    const QString csv = data.file(u"club.csv"_qs);
    auto import = [&](const QString& file, std::optional<Prompter::Answer> asked) {
        prompter.nextFileName(file);
        prompter.nextAnswer(asked.value_or(Prompter::Answer::Ok));
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
    EXPECT_EQ(import(csv, Prompter::Answer::Yes),
              u"追加 3件、更新 0件、変更なし 0件\n\n取り込みますか？"_qs);
    EXPECT_EQ(prompter.lastFileRequest()->title, u"VelmoraへのCSV取り込み"_qs);
    EXPECT_EQ(rows(*window), 3);
    EXPECT_EQ(state.store.Modified, 1);
    EXPECT_EQ(state.store.colour(1), 0x0000FF00u); // coloured: 305 days left
    EXPECT_EQ(cell(*window, 3, 1), u"ＪＡ１ＡＡ3"_qs);

    // The same file again: nothing to do, and said so without a question.
    EXPECT_EQ(import(csv, std::nullopt), u"追加 0件、更新 0件、変更なし 3件"_qs);

    // A corrected telephone number: いいえ keeps the register, はい updates the one station.
    QByteArray corrected = data.read(u"club.csv"_qs);
    const qsizetype at = corrected.indexOf("03-1234-5678");
    ASSERT_GE(at, 0);
    corrected.replace(at, 12, "03-9999-0000");
    data.write(u"club.csv"_qs, corrected);
    const QString plan = import(csv, Prompter::Answer::No);
    EXPECT_TRUE(plan.startsWith(u"追加 0件、更新 1件、変更なし 2件\n"_qs)) << plan.toStdString();
    EXPECT_TRUE(plan.contains(u"電話番号"_qs)) << plan.toStdString();
    EXPECT_EQ(state.store.record(1).trimmed(Field::ApplicantTel), u"03-1234-5678"_qs);
    import(csv, Prompter::Answer::Yes);
    EXPECT_EQ(state.store.Count(), 3);
    int updated = 0;
    for (int i = 1; i <= 3; ++i)
        updated += state.store.record(i).trimmed(Field::ApplicantTel) == u"03-9999-0000"_qs;
    EXPECT_EQ(updated, 1);

    state.store.Modified = 0;
    const QString refusal = import(data.file(u"gone.csv"_qs), std::nullopt);
    EXPECT_TRUE(refusal.endsWith(u"\n\n何も取り込んでいません。"_qs)) << refusal.toStdString();
    EXPECT_EQ(prompter.lastMessage()->icon, Prompter::Icon::Warning);
    EXPECT_EQ(state.store.Modified, 0);

    std::vector<StationRecord> full(RecordStore::kMaxRecords - 1);
    ASSERT_TRUE(state.store.load(full));
    const QString tooMany = import(csv, std::nullopt);
    EXPECT_TRUE(
        tooMany.startsWith(u"取り込むと 32769 件になり、登録できる 32767 件を超えます。"_qs))
        << tooMany.toStdString();
    EXPECT_EQ(state.store.Count(), RecordStore::kMaxRecords - 1);
    EXPECT_EQ(state.store.Modified, 0);
    EXPECT_TRUE(prompter.allAnswersUsed());
}
