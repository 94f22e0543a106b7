#include "mainwindowfixture.h"

#include <QAction>

TEST_F(MainWindowTest, OpenMergeAndClose) {
    const QString listPath = writeRegister(u"list.stn"_qs, stations::numbered(3));
    std::vector<StationRecord> more = stations::numbered(2, QDate(2023, 1, 31));
    more.push_back(stations::numbered(3)[1]); // already in list.stn
    const QString morePath = writeRegister(u"more.stn"_qs, more);
    writeSettings();
    auto window = start();

    prompter.nextFileName(listPath);
    window->file_open->trigger();
    const Prompter::FileRequest open = *prompter.lastFileRequest();
    EXPECT_EQ(open.title, u"Velmoraデータを開く"_qs);
    EXPECT_EQ(open.startFolder, program.path());
    EXPECT_EQ(open.flags, 4100);
    EXPECT_EQ(state.store.DataFile, listPath);
    EXPECT_EQ(state.store.Count(), 3);
    EXPECT_EQ(state.store.Modified, 0);

    prompter.nextFileName(morePath);
    window->fileAppend->trigger();
    EXPECT_EQ(prompter.lastFileRequest()->title, u"Velmoraの連結読込"_qs);
    EXPECT_EQ(prompter.lastFileRequest()->fileName, listPath); // the name of its last use
    EXPECT_EQ(state.store.DataFile, listPath);
    EXPECT_EQ(state.store.Count(), 5); // 3 + 3, one duplicate removed
    EXPECT_EQ(state.store.Modified, 1);
    EXPECT_EQ(gridRows(*window), 6);
    for (int row = 1; row <= 5; ++row)
        EXPECT_EQ(cell(*window, row, 0), QString::number(row));
    // Sorted: the merged 2023 records come first.
    EXPECT_EQ(cell(*window, 1, 1), u"ＪＡ１ＡＡ1"_qs);
    EXPECT_EQ(cell(*window, 1, 3), u"令和5年01月31日"_qs);
    EXPECT_EQ(state.store.colour(1), 0x00FF0000u); // expired

    prompter.nextAnswer(Prompter::Answer::No);
    ASSERT_TRUE(window->close());
    EXPECT_EQ(prompter.lastMessage()->text, u"Velmoraデータを保存しますか？"_qs);
    EXPECT_EQ(finishedCount, 1);
    EXPECT_TRUE(prompter.allAnswersUsed());
}

TEST_F(MainWindowTest, OpenChecksTheExtensionAndWritesItInLowerCase) {
    const QString path = writeRegister(u"LIST.stn"_qs, stations::numbered(2));
    writeSettings();
    auto window = start();

    prompter.nextFileName(data.file(u"list.txt"_qs));
    prompter.nextAnswer(Prompter::Answer::Ok);
    window->file_open->trigger();
    const Prompter::Message* message = prompter.lastMessage();
    EXPECT_EQ(message->text, u"ファイル名（拡張子.stn）が違います"_qs);
    EXPECT_EQ(message->title, u"Velmora"_qs);
    EXPECT_EQ(message->buttons, Prompter::Buttons::Ok);
    EXPECT_EQ(message->icon, Prompter::Icon::None);
    EXPECT_EQ(state.store.Count(), 0);
    EXPECT_TRUE(state.store.DataFile.isEmpty());

    prompter.nextFileName(data.file(u"LIST.STN"_qs));
    window->file_open->trigger();
    EXPECT_EQ(state.store.DataFile, path);
    EXPECT_EQ(state.store.Count(), 2);

    // Cancelling changes nothing.
    prompter.nextFileName(std::nullopt);
    window->file_open->trigger();
    EXPECT_EQ(state.store.DataFile, path);
    EXPECT_EQ(state.store.Count(), 2);
    EXPECT_TRUE(prompter.allAnswersUsed());
}

TEST_F(MainWindowTest, AFailedOpenKeepsTheRegisterAndItsDataFile) {
    const QString path = writeRegister(u"list.stn"_qs, stations::numbered(2));
    const QString huge = data.file(u"huge.stn"_qs);
    {
        QFile file(huge);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(qint64(RecordStore::kMaxRecords + 1) * datafile::kRecordSize));
    }
    auto window = startWith(path);
    prompter.nextFileName(huge);
    prompter.nextAnswer(Prompter::Answer::Cancel);
    window->file_open->trigger();
    EXPECT_EQ(prompter.lastMessage()->buttons, Prompter::Buttons::OkCancel);
    EXPECT_EQ(state.store.DataFile, path);
    EXPECT_EQ(state.store.Count(), 2);
    EXPECT_EQ(gridRows(*window), 3);

    // A failed merge changes nothing either.
    prompter.nextFileName(huge);
    prompter.nextAnswer(Prompter::Answer::Ok);
    window->fileAppend->trigger();
    EXPECT_EQ(state.store.Count(), 2);
    EXPECT_EQ(state.store.Modified, 0);
}

TEST_F(MainWindowTest, OpenWithUnsavedChangesAsksTheClosingQuestionFirst) {
    const QString list = writeRegister(u"list.stn"_qs, stations::numbered(3));
    const QString other = writeRegister(u"other.stn"_qs, stations::numbered(2));
    writeSettings();
    auto window = start();
    state.store.Modified = 1; // changes, and no data file yet

    // Cancel, or a save that does not happen, keeps the register.
    prompter.nextFileName(other);
    prompter.nextAnswer(Prompter::Answer::Cancel);
    prompter.nextFileName(other);
    prompter.nextAnswer(Prompter::Answer::Yes);
    prompter.nextFileName(std::nullopt); // the save dialog cancelled
    window->file_open->trigger();
    ASSERT_NE(prompter.lastMessage(), nullptr);
    const Prompter::Message question = *prompter.lastMessage();
    EXPECT_EQ(question.text, u"Velmoraデータを保存しますか？"_qs);
    EXPECT_EQ(question.title, u"Velmoraの終了"_qs);
    EXPECT_EQ(question.buttons, Prompter::Buttons::YesNoCancel);
    EXPECT_EQ(question.icon, Prompter::Icon::Question);
    window->file_open->trigger();
    EXPECT_EQ(state.store.Count(), 0);
    EXPECT_TRUE(state.store.DataFile.isEmpty());
    EXPECT_EQ(state.store.Modified, 1);

    // No opens the file.
    prompter.nextFileName(other);
    prompter.nextAnswer(Prompter::Answer::No);
    window->file_open->trigger();
    EXPECT_EQ(state.store.Count(), 2);
    EXPECT_EQ(state.store.DataFile, other);

    // Yes saves, then opens.
    window->DelGrid2Mem(1);
    prompter.nextFileName(list);
    prompter.nextAnswer(Prompter::Answer::Yes);
    window->file_open->trigger();
    EXPECT_EQ(data.read(u"other.stn"_qs).size(), datafile::kRecordSize);
    EXPECT_EQ(state.store.Count(), 3);
    EXPECT_EQ(state.store.DataFile, list);
    EXPECT_EQ(state.store.Modified, 0);
    EXPECT_TRUE(prompter.allAnswersUsed());
}

TEST_F(MainWindowTest, OpeningAnEmptyFileEmptiesTheGrid) {
    const QString full = writeRegister(u"full.stn"_qs, stations::numbered(4));
    const QString empty = writeRegister(u"empty.stn"_qs, {});
    auto window = startWith(full);
    ASSERT_EQ(gridRows(*window), 5);
    prompter.nextFileName(empty);
    window->file_open->trigger();
    EXPECT_EQ(state.store.Count(), 0);
    EXPECT_EQ(gridRows(*window), 2);
    EXPECT_TRUE(cell(*window, 1, 1).isEmpty());
    EXPECT_EQ(state.store.DataFile, empty);
}

TEST_F(MainWindowTest, SaveWritesTheFileAndClearsTheMark) {
    const QString path = writeRegister(u"list.stn"_qs, stations::numbered(3));
    auto window = startWith(path);
    window->DelGrid2Mem(2);
    ASSERT_EQ(state.store.Modified, 1);

    const QString other = data.file(u"other.STN"_qs);
    prompter.nextFileName(other);
    prompter.nextAnswer(Prompter::Answer::Yes); // create it
    window->file_Save->trigger();
    const Prompter::FileRequest save = *prompter.lastFileRequest();
    EXPECT_EQ(save.title, u"Velmoraデータの保存"_qs);
    EXPECT_EQ(save.fileName, path);
    EXPECT_EQ(save.flags, 8198);
    EXPECT_EQ(state.store.DataFile, data.file(u"other.stn"_qs));
    EXPECT_EQ(state.store.Modified, 0);
    EXPECT_EQ(data.read(u"other.stn"_qs).size(), 2 * datafile::kRecordSize);
    EXPECT_EQ(data.read(u"BackUp/20240401other.stn"_qs), data.read(u"other.stn"_qs));
    EXPECT_TRUE(prompter.allAnswersUsed());
}

TEST_F(MainWindowTest, AFailedSaveKeepsTheMarkAndTheDataFile) {
    const QString path = writeRegister(u"list.stn"_qs, stations::numbered(3));
    auto window = startWith(path);
    window->DelGrid2Mem(2);
    prompter.nextFileName(data.file(u"no such folder/list.stn"_qs));
    prompter.nextAnswer(Prompter::Answer::Yes); // create it
    prompter.nextAnswer(Prompter::Answer::Ok);
    window->file_Save->trigger();
    const Prompter::Message* error = prompter.lastMessage();
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->buttons, Prompter::Buttons::OkCancel);
    EXPECT_EQ(error->title, u"Velmora"_qs);
    EXPECT_FALSE(error->text.isEmpty());
    EXPECT_EQ(state.store.Modified, 1);
    EXPECT_EQ(state.store.DataFile, path);

    // A wrong extension saves nothing either.
    prompter.nextFileName(data.file(u"list.txt"_qs));
    prompter.nextAnswer(Prompter::Answer::Yes); // create it
    prompter.nextAnswer(Prompter::Answer::Ok);
    window->file_Save->trigger();
    EXPECT_EQ(state.store.Modified, 1);
    EXPECT_FALSE(QFile::exists(data.file(u"list.txt"_qs)));
}

TEST_F(MainWindowTest, AFailedBackupCopyStillCountsAsSaved) {
    const QString path = writeRegister(u"list.stn"_qs, stations::numbered(3));
    auto window = startWith(path);
    window->DelGrid2Mem(2);
    TempFolder elsewhere;
    elsewhere.write(u"BackUp"_qs, "a file where the backup folder belongs");
    prompter.nextFileName(elsewhere.file(u"list.stn"_qs));
    prompter.nextAnswer(Prompter::Answer::Yes); // create it
    prompter.nextAnswer(Prompter::Answer::Ok);
    window->file_Save->trigger();
    ASSERT_EQ(prompter.messages().size(), 2u);
    EXPECT_EQ(prompter.lastMessage()->buttons, Prompter::Buttons::OkCancel);
    EXPECT_EQ(elsewhere.read(u"list.stn"_qs).size(), 2 * datafile::kRecordSize);
    EXPECT_EQ(state.store.Modified, 0);
    EXPECT_EQ(state.store.DataFile, elsewhere.file(u"list.stn"_qs));
}
