#include "platform/gui/qtprompter.h"
#include "support/scriptedprompter.h"
#include "support/tempfolder.h"

#include <QApplication>
#include <QFileDialog>
#include <QTimer>
#include <gtest/gtest.h>

using Kind = Prompter::FileRequest::Kind;

// Only a save dialog asks before it takes a file that does not exist yet; an open dialog with
// the same flags just gives the name back.
TEST(Prompter, CreatePromptAsksOnlyWhenSavingToANewFile) {
    TempFolder folder;
    const QString existing = folder.write(u"old.stn"_qs, "x");
    const QString missing = folder.file(u"new.stn"_qs);
    ScriptedPrompter prompter;
    prompter.nextFileName(missing);
    prompter.nextFileName(existing);
    EXPECT_EQ(prompter.chooseFile({Kind::Open, {}, {}, 0, {}, {}, Prompter::CreatePrompt}, nullptr),
              missing);
    EXPECT_EQ(prompter.chooseFile({Kind::Save, {}, {}, 0, {}, {}, Prompter::CreatePrompt}, nullptr),
              existing);
    EXPECT_TRUE(prompter.messages().empty());

    // No: the dialog comes back with the name; Yes: the name is taken.
    prompter.nextFileName(missing);
    prompter.nextAnswer(Prompter::Answer::No);
    prompter.nextFileName(missing);
    prompter.nextAnswer(Prompter::Answer::Yes);
    EXPECT_EQ(prompter.chooseFile({Kind::Save, {}, {}, 0, {}, {}, Prompter::CreatePrompt}, nullptr),
              missing);
    EXPECT_EQ(prompter.lastFileRequest()->fileName, missing);
    EXPECT_EQ(prompter.messages().at(0),
              u"new.stn\nこのファイルは存在しません。\nファイルを作成しますか？"_qs);
    EXPECT_TRUE(prompter.allAnswersUsed());
}

TEST(QtPrompter, FileDialogGivesTheChosenFileOrNothing) {
    TempFolder folder;
    const QString path = folder.write(u"a.stn"_qs, "x");
    for (const bool accept : {true, false}) {
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->selectFile(path);
            accept ? static_cast<QDialog*>(dialog)->accept() : dialog->reject();
        });
        const std::optional<QString> chosen =
            QtPrompter().fileName({Kind::Open, {}, {}, 0, folder.path(), {}, 0}, nullptr);
        EXPECT_EQ(chosen, accept ? std::optional(path) : std::nullopt);
    }
}
