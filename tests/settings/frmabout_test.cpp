#include "settings/frmabout.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <gtest/gtest.h>

TEST(frmAbout, ShowsTheVersionCentredOnTheMainWindowWithoutBlockingIt) {
    QWidget main;
    main.setGeometry(100, 80, 900, 700);
    AppState state;
    state.program = ProgramInfo::withFolder(QStringLiteral("/tmp"));
    state.program.versionMajor = 1;
    state.program.versionMinor = 2;
    state.program.versionRevision = 7;
    frmAbout box(state, &main);
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Velmoraのﾊﾞｰｼﾞｮﾝ情報"));
    EXPECT_EQ(box.lblVersion->text(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ 1.2.7"));
    EXPECT_FALSE(box.isModal());
    main.show();
    box.show();
    EXPECT_NEAR(box.frameGeometry().center().x(), main.frameGeometry().center().x(), 1.0);
    EXPECT_NEAR(box.frameGeometry().center().y(), main.frameGeometry().center().y(), 1.0);
}

TEST(frmAbout, EscAndEnterPressOkWhichClosesTheBox) {
    QWidget main;
    AppState state;
    for (const int key :
         {int(Qt::Key_Escape), int(Qt::Key_Return), int(Qt::Key_Enter), int(Qt::Key_A)}) {
        // Opened as the main window opens it: deleted when closed.
        QPointer<frmAbout> box = new frmAbout(state, &main);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->show();
        int okPresses = 0;
        QObject::connect(box->cmdOK, &QPushButton::clicked, [&okPresses] { ++okPresses; });
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(box, &press);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(box.isNull(), key != Qt::Key_A) << key;
        EXPECT_EQ(okPresses, key != Qt::Key_A ? 1 : 0) << key;
        delete box;
    }
}
