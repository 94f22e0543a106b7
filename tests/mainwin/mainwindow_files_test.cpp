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

    run(window->openAction, listPath);
    EXPECT_EQ(state.store.DataFile, listPath);

    // The merge dialog starts with the name chosen to open; the duplicate is removed, the rows
    // coloured, and the register still belongs to LIST.STN.
    run(window->mergeAction, morePath);
    EXPECT_EQ(prompter.lastFileRequest()->fileName, listPath);
    EXPECT_EQ(state.store.DataFile, listPath);
    EXPECT_EQ(rows(*window), 5);
    EXPECT_EQ(state.store.Modified, 1);
    EXPECT_EQ(state.store.colour(1), 0x00FF0000u); // expired

    // Yes to the save question saves the register, then opens (Cancel: see the desktop's test).
    run(window->openAction, morePath, {Prompter::Answer::Yes});
    EXPECT_EQ(data.read(u"LIST.STN"_qs).size(), 5 * datafile::kRecordSize);
    EXPECT_FALSE(QFile::exists(data.file(u"LIST.stn"_qs)));
    EXPECT_EQ(state.store.DataFile, morePath);
    EXPECT_EQ(state.store.Modified, 0);
    EXPECT_TRUE(prompter.allAnswersUsed());
}

// An unreadable file leaves the register as it was; at start-up that is an empty register,
// which must not be saved over the file. A chosen file that is not there is said so. Both
// for open and merge alike.
TEST_F(MainWindowTest, AnUnreadableOrMissingDataFile) {
    const QString path = writeRegister(u"list.stn"_qs, numbered(2));
    QFile huge(data.file(u"huge.stn"_qs)); // more records than the register can hold
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(qint64(RecordStore::kMaxRecords + 1) * datafile::kRecordSize));
    prompter.nextAnswer(Prompter::Answer::Ok);
    auto window = startWith(huge.fileName());
    EXPECT_TRUE(state.store.DataFile.isEmpty());

    run(window->openAction, path);
    const QString gone = data.file(u"gone.stn"_qs);
    for (const QString& refused : {huge.fileName(), gone}) {
        for (QAction* command : {window->openAction, window->mergeAction}) {
            run(command, refused, {Prompter::Answer::Ok});
            EXPECT_EQ(state.store.DataFile, path);
            EXPECT_EQ(rows(*window), 2);
            EXPECT_EQ(state.store.Modified, 0);
        }
    }
    EXPECT_EQ(prompter.lastMessage()->text, gone + u"が見つかりません。"_qs);
    EXPECT_TRUE(prompter.allAnswersUsed());
}

// The extension in any case; the name stays as chosen.
TEST(DataFileDialog, ExtensionCheckKeepsTheChosenName) {
    for (const QString& right : {u"C:\\Ham\\LIST.STN"_qs, u"/home/a/list.Stn"_qs, u".stn"_qs})
        EXPECT_EQ(dataFileName(right), right);
    for (const QString& wrong : {u"list.txt"_qs, u"stn"_qs, u"liststn"_qs, u"list.stn.bak"_qs})
        EXPECT_FALSE(dataFileName(wrong)) << wrong.toStdString();
}

// A save asks before a file is created (an open never does: see the prompter's tests); No
// brings the dialog back with the name.
TEST_F(MainWindowTest, ASaveAsksBeforeCreatingAFile) {
    const QString fresh = data.file(u"new.stn"_qs);
    DataFileDialog dialog(prompter, data.path());
    prompter.nextFileName(fresh);
    prompter.nextAnswer(Prompter::Answer::No);
    prompter.nextFileName(fresh);
    prompter.nextAnswer(Prompter::Answer::Yes);
    EXPECT_EQ(dialog.showSave(u"保存題"_qs, data.write(u"a.stn"_qs, {}), nullptr), fresh);
    EXPECT_EQ(prompter.lastMessage()->text,
              u"new.stn\nこのファイルは存在しません。\nファイルを作成しますか？"_qs);
    EXPECT_EQ(prompter.lastFileRequest()->fileName, fresh);
    EXPECT_TRUE(prompter.lastFileRequest()->flags & Prompter::OverwritePrompt);
    EXPECT_TRUE(prompter.allAnswersUsed());
}
