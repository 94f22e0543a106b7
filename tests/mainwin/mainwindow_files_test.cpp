#include "mainwindowfixture.h"

// Open and merge through the menu; an open over unsaved changes asks the save question first.
// Names in capitals, as copied from Windows, are opened, merged and saved as they are.
TEST_F(MainWindowTest, OpenAndMergeThroughTheMenu) {
    const QString listPath = writeRegister(u"LIST.STN"_qs, numbered(3));
    std::vector<StationRecord> more = numbered(2, QDate(2023, 1, 31));
    more.push_back(numbered(3)[1]); // already in LIST.STN
    const QString morePath = writeRegister(u"MORE.STN"_qs, more);
    writeSettings();
    auto window = start();

    prompter.nextFileName(data.file(u"list.txt"_qs));
    prompter.nextAnswer(Prompter::Answer::Ok);
    window->openAction->trigger();
    EXPECT_EQ(prompter.lastMessage()->text, u"ファイル名（拡張子.stn）が違います"_qs);
    EXPECT_TRUE(state.store.DataFile.isEmpty());

    prompter.nextFileName(listPath);
    window->openAction->trigger();
    EXPECT_EQ(prompter.lastFileRequest()->title, u"Velmoraデータを開く"_qs);
    EXPECT_EQ(state.store.DataFile, listPath);

    // The merge dialog starts with the name chosen to open; the duplicate is removed, the rows
    // coloured, and the register still belongs to LIST.STN.
    prompter.nextFileName(morePath);
    window->mergeAction->trigger();
    EXPECT_EQ(prompter.lastFileRequest()->title, u"Velmoraの連結読込"_qs);
    EXPECT_EQ(prompter.lastFileRequest()->fileName, listPath);
    EXPECT_EQ(state.store.DataFile, listPath);
    EXPECT_EQ(rows(*window), 5);
    EXPECT_EQ(state.store.Modified, 1);
    EXPECT_EQ(state.store.colour(1), 0x00FF0000u); // expired

    // Cancel to the save question keeps the register; Yes saves it, then opens.
    prompter.nextFileName(morePath);
    prompter.nextAnswer(Prompter::Answer::Cancel);
    window->openAction->trigger();
    EXPECT_EQ(prompter.lastMessage()->text, u"Velmoraデータを保存しますか？"_qs);
    EXPECT_EQ(state.store.DataFile, listPath);
    EXPECT_EQ(state.store.Modified, 1);
    prompter.nextFileName(morePath);
    prompter.nextAnswer(Prompter::Answer::Yes);
    window->openAction->trigger();
    EXPECT_EQ(data.read(u"LIST.STN"_qs).size(), 5 * datafile::kRecordSize);
    EXPECT_FALSE(QFile::exists(data.file(u"LIST.stn"_qs)));
    EXPECT_EQ(state.store.DataFile, morePath);
    EXPECT_EQ(state.store.Modified, 0);
    EXPECT_TRUE(prompter.allAnswersUsed());
}

// An unreadable file leaves the register as it was; at start-up that is an empty register,
// which must not be saved over the file. A chosen file that is not there is said so, for open
// and merge alike, and changes nothing.
TEST_F(MainWindowTest, AnUnreadableOrMissingDataFile) {
    const QString path = writeRegister(u"list.stn"_qs, numbered(2));
    QFile huge(data.file(u"huge.stn"_qs)); // more records than the register can hold
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(qint64(RecordStore::kMaxRecords + 1) * datafile::kRecordSize));
    prompter.nextAnswer(Prompter::Answer::Ok);
    auto window = startWith(huge.fileName());
    EXPECT_EQ(prompter.lastMessage()->buttons, Prompter::Buttons::OkCancel);
    EXPECT_TRUE(state.store.DataFile.isEmpty());

    prompter.nextFileName(path);
    window->openAction->trigger();
    for (QAction* command : {window->openAction, window->mergeAction}) {
        prompter.nextFileName(huge.fileName());
        prompter.nextAnswer(Prompter::Answer::Ok);
        command->trigger();
        EXPECT_EQ(prompter.messages().size(), command == window->openAction ? 2u : 3u);
        EXPECT_EQ(state.store.DataFile, path);
        EXPECT_EQ(rows(*window), 2);
        EXPECT_EQ(state.store.Modified, 0);
    }
    const QString gone = data.file(u"gone.stn"_qs);
    for (QAction* command : {window->openAction, window->mergeAction}) {
        prompter.nextFileName(gone);
        prompter.nextAnswer(Prompter::Answer::Ok);
        command->trigger();
        EXPECT_EQ(prompter.lastMessage()->text, gone + u"が見つかりません。"_qs);
        EXPECT_EQ(state.store.DataFile, path);
        EXPECT_EQ(rows(*window), 2);
    }
    EXPECT_TRUE(prompter.allAnswersUsed());
}

// Only a data file written clears the changed mark and takes the register's name; a failed
// backup copy alone still counts as saved.
TEST_F(MainWindowTest, SaveClearsTheMarkOnlyWhenTheDataFileIsWritten) {
    const QString path = writeRegister(u"list.stn"_qs, numbered(3));
    auto window = startWith(path);
    window->deleteRecord(2);
    auto save = [&](const QString& name) {
        prompter.nextFileName(name);
        prompter.nextAnswer(Prompter::Answer::Yes); // create it
        prompter.nextAnswer(Prompter::Answer::Ok);  // the error
        window->saveAction->trigger();
        EXPECT_TRUE(prompter.allAnswersUsed());
    };
    save(data.file(u"no such folder/list.stn"_qs));
    EXPECT_EQ(prompter.lastFileRequest()->fileName, path); // the register's name to start with
    EXPECT_EQ(state.store.Modified, 1);
    EXPECT_EQ(state.store.DataFile, path);

    TempFolder elsewhere;
    elsewhere.write(u"BackUp"_qs, "a file where the backup folder belongs");
    save(elsewhere.file(u"list.STN"_qs));
    EXPECT_EQ(elsewhere.read(u"list.STN"_qs).size(), 2 * datafile::kRecordSize);
    EXPECT_EQ(state.store.Modified, 0);
    EXPECT_EQ(state.store.DataFile, elsewhere.file(u"list.STN"_qs));
}

// The extension in any case; the name stays as chosen.
TEST(DataFileDialog, ExtensionCheckKeepsTheChosenName) {
    for (const QString& right : {u"C:\\Ham\\LIST.STN"_qs, u"/home/a/list.Stn"_qs, u".stn"_qs})
        EXPECT_EQ(dataFileName(right), right);
    for (const QString& wrong : {u"list.txt"_qs, u"stn"_qs, u"liststn"_qs, u"list.stn.bak"_qs})
        EXPECT_FALSE(dataFileName(wrong)) << wrong.toStdString();
}

// A save asks before a file is created (an open never does: see the window's tests); No
// brings the dialog back with the name.
TEST_F(MainWindowTest, ASaveAsksBeforeCreatingAFile) {
    const QString existing = data.write(u"a.stn"_qs, {});
    const QString fresh = data.file(u"new.stn"_qs);
    DataFileDialog dialog(prompter, data.path());

    prompter.nextFileName(fresh);
    prompter.nextAnswer(Prompter::Answer::No);
    prompter.nextFileName(fresh);
    prompter.nextAnswer(Prompter::Answer::Yes);
    EXPECT_EQ(dialog.showSave(u"保存題"_qs, existing, nullptr), fresh);
    EXPECT_EQ(prompter.lastMessage()->text,
              u"new.stn\nこのファイルは存在しません。\nファイルを作成しますか？"_qs);
    EXPECT_EQ(prompter.lastMessage()->buttons, Prompter::Buttons::YesNo);
    EXPECT_EQ(prompter.lastFileRequest()->fileName, fresh);
    EXPECT_TRUE(prompter.lastFileRequest()->flags & Prompter::OverwritePrompt);
    EXPECT_EQ(prompter.lastFileRequest()->filter,
              u"すべてのファイル (*.*)|*.*|Velmoraﾃﾞｰﾀのファイル (*.stn)|*.stn|"_qs);
    EXPECT_TRUE(prompter.allAnswersUsed());
}
