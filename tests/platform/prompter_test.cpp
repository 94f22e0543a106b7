#include "platform/gui/qtprompter.h"
#include "support/scriptedprompter.h"
#include "support/tempfolder.h"

#include <QApplication>
#include <QFileDialog>
#include <QTimer>
#include <gtest/gtest.h>

using Kind = Prompter::FileRequest::Kind;

// An open dialog with the flags of the save dialog gives a new name back without asking
// (the question on saving is in DataFileDialog's tests).
TEST(Prompter, OpenDialogNeverAsksToCreateAFile) {
    ScriptedPrompter prompter;
    prompter.nextFileName(u"/nowhere/new.stn"_qs);
    EXPECT_EQ(prompter.chooseFile({Kind::Open, {}, {}, 0, {}, {}, Prompter::CreatePrompt}, nullptr),
              u"/nowhere/new.stn"_qs);
    EXPECT_TRUE(prompter.messages().empty());
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
