#include "mainwin/commondialog.h"
#include "support/scriptedprompter.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

TEST(CommonDialog, ExtensionCheckAndLowerCase) {
    EXPECT_EQ(dataFileName(u"C:\\Ham\\LIST.STN"_qs), u"C:\\Ham\\LIST.stn"_qs);
    EXPECT_EQ(dataFileName(u"/home/a/list.Stn"_qs), u"/home/a/list.stn"_qs);
    EXPECT_EQ(dataFileName(u".stn"_qs), u".stn"_qs);
    EXPECT_FALSE(dataFileName(u"list.txt"_qs));
    EXPECT_FALSE(dataFileName(u"stn"_qs));
    EXPECT_FALSE(dataFileName(u"liststn"_qs));
    EXPECT_FALSE(dataFileName(u"list.stn.bak"_qs));
    EXPECT_FALSE(dataFileName(QString()));
}

TEST(CommonDialog, EachUseSetsItsProperties) {
    ScriptedPrompter prompter;
    CommonDialog dialog(prompter, u"/opt/velmora"_qs);
    prompter.nextFileName(u"/data/a.stn"_qs);
    prompter.nextFileName(std::nullopt);
    prompter.nextFileName(u"/data/c.stn"_qs);

    EXPECT_EQ(dialog.showOpen(u"開く題"_qs, nullptr), u"/data/a.stn"_qs);
    const Prompter::FileRequest open = *prompter.lastFileRequest();
    EXPECT_EQ(open.kind, Prompter::FileRequest::Kind::Open);
    EXPECT_EQ(open.title, u"開く題"_qs);
    EXPECT_EQ(open.flags, 4100);
    EXPECT_EQ(open.filterIndex, 0);
    EXPECT_EQ(open.startFolder, u"/opt/velmora"_qs);
    EXPECT_EQ(open.filter, u"すべてのファイル (*.*)|*.*|Velmoraﾃﾞｰﾀのファイル (*.stn)|*.stn|"_qs);
    EXPECT_TRUE(open.fileName.isEmpty());

    // The save dialog starts with the name it is given; cancelling returns nothing.
    EXPECT_FALSE(dialog.showSave(u"保存題"_qs, u"/data/b.stn"_qs, nullptr));
    const Prompter::FileRequest save = *prompter.lastFileRequest();
    EXPECT_EQ(save.kind, Prompter::FileRequest::Kind::Save);
    EXPECT_EQ(save.flags, 8198);
    EXPECT_EQ(save.fileName, u"/data/b.stn"_qs);

    // The next open starts with the name of the last use.
    dialog.showOpen(u"連結"_qs, nullptr);
    EXPECT_EQ(prompter.lastFileRequest()->fileName, u"/data/b.stn"_qs);
    EXPECT_EQ(dialog.fileName(), u"/data/c.stn"_qs);
    EXPECT_TRUE(prompter.allAnswersUsed());
}

TEST(CommonDialog, SaveAsksBeforeCreatingAFileThatDoesNotExist) {
    TempFolder folder;
    const QString existing = folder.write(u"a.stn"_qs, {});
    const QString fresh = folder.file(u"new.stn"_qs);
    ScriptedPrompter prompter;
    CommonDialog dialog(prompter, folder.path());

    prompter.nextFileName(existing);
    EXPECT_EQ(dialog.showSave(u"保存題"_qs, existing, nullptr), existing);
    EXPECT_TRUE(prompter.messages().empty());

    // No brings the dialog back with the name; Yes takes it.
    prompter.nextFileName(fresh);
    prompter.nextAnswer(Prompter::Answer::No);
    prompter.nextFileName(fresh);
    prompter.nextAnswer(Prompter::Answer::Yes);
    EXPECT_EQ(dialog.showSave(u"保存題"_qs, existing, nullptr), fresh);
    const Prompter::Message* question = prompter.lastMessage();
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(question->text,
              u"new.stn\nこのファイルは存在しません。\nファイルを作成しますか？"_qs);
    EXPECT_EQ(question->title, u"保存題"_qs);
    EXPECT_EQ(question->buttons, Prompter::Buttons::YesNo);
    EXPECT_EQ(prompter.messages().size(), 2u);
    EXPECT_EQ(prompter.lastFileRequest()->fileName, fresh);

    // The open dialogs never ask.
    prompter.nextFileName(fresh);
    EXPECT_EQ(dialog.showOpen(u"開く題"_qs, nullptr), fresh);
    EXPECT_EQ(prompter.messages().size(), 2u);
    EXPECT_TRUE(prompter.allAnswersUsed());
}
