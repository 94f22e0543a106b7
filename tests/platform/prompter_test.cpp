// The Qt file dialog behind the prompter: the chosen file, or nothing when cancelled (what
// chooseFile asks on top is DataFileDialog's tests, with the flags the program uses).
#include "platform/gui/qtprompter.h"
#include "support/tempfolder.h"

#include <QApplication>
#include <QFileDialog>
#include <QTimer>
#include <gtest/gtest.h>

using Kind = Prompter::FileRequest::Kind;

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
