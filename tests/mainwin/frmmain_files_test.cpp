#include "mainwindowfixture.h"

// Open and merge through the menu; an open over unsaved changes asks the save question first.
TEST_F(MainWindowTest, OpenAndMergeThroughTheMenu) {
    const QString listPath = writeRegister(u"list.stn"_qs, numbered(3));
    std::vector<StationRecord> more = numbered(2, QDate(2023, 1, 31));
    more.push_back(numbered(3)[1]); // already in list.stn
    const QString morePath = writeRegister(u"more.stn"_qs, more);
    writeSettings();
    auto window = start();

    prompter.nextFileName(data.file(u"list.txt"_qs));
    prompter.nextAnswer(Prompter::Answer::Ok);
    window->file_open->trigger();
    EXPECT_EQ(prompter.lastMessage()->text, u"ファイル名（拡張子.stn）が違います"_qs);
    EXPECT_TRUE(state.store.DataFile.isEmpty());

    prompter.nextFileName(data.file(u"list.STN"_qs));
    window->file_open->trigger();
    EXPECT_EQ(prompter.lastFileRequest()->title, u"Velmoraデータを開く"_qs);
    EXPECT_EQ(prompter.lastFileRequest()->startFolder, program.path());
    EXPECT_EQ(state.store.DataFile, listPath);
    EXPECT_EQ(state.store.Modified, 0);

    // The merge dialog starts with the name chosen to open; the duplicate is removed, the rows
    // coloured, and the register still belongs to list.stn.
    prompter.nextFileName(morePath);
    window->fileAppend->trigger();
    EXPECT_EQ(prompter.lastFileRequest()->title, u"Velmoraの連結読込"_qs);
    EXPECT_EQ(prompter.lastFileRequest()->fileName, data.file(u"list.STN"_qs));
    EXPECT_EQ(state.store.DataFile, listPath);
    EXPECT_EQ(rows(*window), 5);
    EXPECT_EQ(state.store.Modified, 1);
    EXPECT_EQ(state.store.colour(1), 0x00FF0000u); // expired

    // Cancel to the save question keeps the register; Yes saves it, then opens.
    prompter.nextFileName(morePath);
    prompter.nextAnswer(Prompter::Answer::Cancel);
    window->file_open->trigger();
    EXPECT_EQ(prompter.lastMessage()->text, u"Velmoraデータを保存しますか？"_qs);
    EXPECT_EQ(state.store.DataFile, listPath);
    EXPECT_EQ(state.store.Modified, 1);
    prompter.nextFileName(morePath);
    prompter.nextAnswer(Prompter::Answer::Yes);
    window->file_open->trigger();
    EXPECT_EQ(data.read(u"list.stn"_qs).size(), 5 * datafile::kRecordSize);
    EXPECT_EQ(state.store.DataFile, morePath);
    EXPECT_EQ(state.store.Modified, 0);
    EXPECT_TRUE(prompter.allAnswersUsed());
}

TEST_F(MainWindowTest, AFailedOpenOrMergeKeepsTheRegisterAndItsDataFile) {
    const QString path = writeRegister(u"list.stn"_qs, numbered(2));
    const QString huge = writeHugeFile();
    auto window = startWith(path);
    for (QAction* command : {window->file_open, window->fileAppend}) {
        prompter.nextFileName(huge);
        prompter.nextAnswer(Prompter::Answer::Ok);
        command->trigger();
        EXPECT_EQ(prompter.lastMessage()->buttons, Prompter::Buttons::OkCancel);
        EXPECT_EQ(state.store.DataFile, path);
        EXPECT_EQ(rows(*window), 2);
        EXPECT_EQ(state.store.Modified, 0);
    }
}

// Only a data file written clears the changed mark and takes the register's name; a failed
// backup copy alone still counts as saved.
TEST_F(MainWindowTest, SaveClearsTheMarkOnlyWhenTheDataFileIsWritten) {
    const QString path = writeRegister(u"list.stn"_qs, numbered(3));
    auto window = startWith(path);
    window->DelGrid2Mem(2);
    ASSERT_EQ(state.store.Modified, 1);
    auto save = [&](const QString& name, int messages) {
        prompter.nextFileName(name);
        prompter.nextAnswer(Prompter::Answer::Yes); // create it
        for (int i = 0; i < messages; ++i)
            prompter.nextAnswer(Prompter::Answer::Ok);
        window->file_Save->trigger();
        EXPECT_TRUE(prompter.allAnswersUsed());
    };

    save(data.file(u"no such folder/list.stn"_qs), 1);
    EXPECT_EQ(prompter.lastMessage()->buttons, Prompter::Buttons::OkCancel);
    EXPECT_EQ(state.store.Modified, 1);
    EXPECT_EQ(state.store.DataFile, path);

    TempFolder elsewhere;
    elsewhere.write(u"BackUp"_qs, "a file where the backup folder belongs");
    save(elsewhere.file(u"list.stn"_qs), 1);
    EXPECT_EQ(elsewhere.read(u"list.stn"_qs).size(), 2 * datafile::kRecordSize);
    EXPECT_EQ(state.store.Modified, 0);
    EXPECT_EQ(state.store.DataFile, elsewhere.file(u"list.stn"_qs));

    // The dialog starts with the register's name; the extension is written in lower case.
    window->DelGrid2Mem(1);
    save(data.file(u"other.STN"_qs), 0);
    EXPECT_EQ(prompter.lastFileRequest()->title, u"Velmoraデータの保存"_qs);
    EXPECT_EQ(prompter.lastFileRequest()->fileName, elsewhere.file(u"list.stn"_qs));
    EXPECT_EQ(state.store.DataFile, data.file(u"other.stn"_qs));
    EXPECT_EQ(data.read(u"other.stn"_qs).size(), datafile::kRecordSize);
}
