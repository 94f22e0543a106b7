#include "platform/gui/mainwindowlink.h"
#include "print/frmprint.h"
#include "print/frmview.h"
#include "print/printopener.h"
#include "printfixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// A main window that only notes the windows it is asked to close with itself.
struct MainWindow : MainWindowLink {
    QWidget widget;
    std::vector<QPointer<QWidget>> tracked;
    QWidget* mainWidget() override { return &widget; }
    void trackWindow(QWidget* window) override { tracked.emplace_back(window); }
    void DelGrid2Mem(int) override {}
    void DataSort() override {}
    void LimitCheck() override {}
};

} // namespace

TEST(PrintOpener, OpensThePreviewOverTheMainWindowWhichClosesItWithItself) {
    PrintFixture f;
    MainWindow main;
    f.state.print.PrintRecordIndex = 2;
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<frmPrint*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->Text1[2]->text(), QStringLiteral("沖縄総合通信事務所長　殿"));
        dialog->Check1[2]->setChecked(true);
        dialog->Command2Click();
    });
    openPrint(f.state, f.prompter, f.clock, f.printers, main);
    const auto previews = main.widget.findChildren<frmView*>();
    ASSERT_EQ(previews.size(), 1);
    EXPECT_TRUE(previews.front()->isVisible());
    ASSERT_EQ(main.tracked.size(), 1u);
    EXPECT_EQ(main.tracked.front(), previews.front());
    EXPECT_EQ(f.state.print.PreviewDoc, 2);
}
