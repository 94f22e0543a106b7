#include "mainwin/frmmain.h"
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

TEST(PrintOpener, MainWindowOpensPreviewAndClosesItWithItself) {
    PrintFixture f;
    f.folder.write(QStringLiteral("tessaly.ini"), ""); // start-up finds its settings file
    frmMain main(f.state, f.prompter, f.clock);
    f.state.print.PrintRecordIndex = 2;
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<frmPrint*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->Text1[2]->text(), QStringLiteral("沖縄総合通信事務所長　殿"));
        dialog->Check1[2]->setChecked(true);
        dialog->Command2Click();
    });
    printOpener(f.printers)(main);
    const auto previews = main.findChildren<frmView*>();
    ASSERT_EQ(previews.size(), 1);
    QPointer<frmView> view = previews.front();
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(f.state.print.PreviewDoc, 2);

    main.close();
    EXPECT_TRUE(view.isNull() || !view->isVisible());
}
