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

// A save asks before a file is created (an open never does: see the window's tests); No
// brings the dialog back with the name.
TEST(CommonDialog, ASaveAsksBeforeCreatingAFile) {
    TempFolder folder;
    const QString existing = folder.write(u"a.stn"_qs, {});
    const QString fresh = folder.file(u"new.stn"_qs);
    ScriptedPrompter prompter;
    CommonDialog dialog(prompter, folder.path());

    prompter.nextFileName(fresh);
    prompter.nextAnswer(Prompter::Answer::No);
    prompter.nextFileName(fresh);
    prompter.nextAnswer(Prompter::Answer::Yes);
    EXPECT_EQ(dialog.showSave(u"保存題"_qs, existing, nullptr), fresh);
    EXPECT_EQ(prompter.lastMessage()->text,
              u"new.stn\nこのファイルは存在しません。\nファイルを作成しますか？"_qs);
    EXPECT_EQ(prompter.lastMessage()->buttons, Prompter::Buttons::YesNo);
    EXPECT_EQ(prompter.messages().size(), 2u);
    EXPECT_EQ(prompter.lastFileRequest()->fileName, fresh);
    EXPECT_TRUE(prompter.lastFileRequest()->flags & Prompter::OverwritePrompt);
    EXPECT_EQ(prompter.lastFileRequest()->filter,
              u"すべてのファイル (*.*)|*.*|Velmoraﾃﾞｰﾀのファイル (*.stn)|*.stn|"_qs);
    EXPECT_TRUE(prompter.allAnswersUsed());
}
