#include "mainwin/commondialog.h"
#include "support/scriptedprompter.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

TEST(CommonDialog, ExtensionCheckAndLowerCase) {
    EXPECT_EQ(dataFileName(u"C:\\Ham\\LIST.STN"_qs), u"C:\\Ham\\LIST.stn"_qs);
    EXPECT_EQ(dataFileName(u"/home/a/list.Stn"_qs), u"/home/a/list.stn"_qs);
    EXPECT_EQ(dataFileName(u".stn"_qs), u".stn"_qs);
    for (const QString& wrong : {u"list.txt"_qs, u"stn"_qs, u"liststn"_qs, u"list.stn.bak"_qs})
        EXPECT_FALSE(dataFileName(wrong)) << wrong.toStdString();
}

// Open and save share the dialog: an open starts with the name of its last use, a save with
// the name it is given; only a save asks before a file is created.
TEST(CommonDialog, EachUseSetsItsPropertiesAndASaveAsksBeforeCreating) {
    TempFolder folder;
    const QString existing = folder.write(u"a.stn"_qs, {});
    const QString fresh = folder.file(u"new.stn"_qs);
    ScriptedPrompter prompter;
    CommonDialog dialog(prompter, u"/opt/velmora"_qs);

    prompter.nextFileName(fresh);
    EXPECT_EQ(dialog.showOpen(u"開く題"_qs, nullptr), fresh);
    const Prompter::FileRequest open = *prompter.lastFileRequest();
    EXPECT_EQ(open.flags, Prompter::HideReadOnly | Prompter::FileMustExist);
    EXPECT_EQ(open.filter, u"すべてのファイル (*.*)|*.*|Velmoraﾃﾞｰﾀのファイル (*.stn)|*.stn|"_qs);
    EXPECT_TRUE(open.fileName.isEmpty());
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
    EXPECT_EQ(question->buttons, Prompter::Buttons::YesNo);
    EXPECT_EQ(prompter.messages().size(), 2u);
    EXPECT_EQ(prompter.lastFileRequest()->fileName, fresh);
    EXPECT_TRUE(prompter.lastFileRequest()->flags & Prompter::OverwritePrompt);

    // An existing file is taken at once; a cancelled dialog returns nothing.
    prompter.nextFileName(existing);
    EXPECT_EQ(dialog.showSave(u"保存題"_qs, fresh, nullptr), existing);
    prompter.nextFileName(std::nullopt);
    EXPECT_FALSE(dialog.showOpen(u"連結"_qs, nullptr));
    EXPECT_EQ(prompter.lastFileRequest()->fileName, existing);
    EXPECT_EQ(prompter.messages().size(), 2u);
    EXPECT_TRUE(prompter.allAnswersUsed());
}
