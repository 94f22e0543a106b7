// The version box: what it shows, where, and the keys that close it.
#include "settings/aboutbox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <gtest/gtest.h>

TEST(AboutBox, ShowsTheVersionWithoutBlockingAndEscOrEnterPressOkWhichClosesIt) {
    QWidget main;
    main.show();
    AppState state;
    state.program = ProgramInfo::withFolder(QStringLiteral("/tmp"));
    for (const int key :
         {int(Qt::Key_Escape), int(Qt::Key_Return), int(Qt::Key_Enter), int(Qt::Key_A)}) {
        // Opened as the main window opens it: deleted when closed.
        QPointer<AboutBox> box = new AboutBox(state, &main);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->show();
        // Centred on the main window, both with their frames as shown.
        EXPECT_LE((box->frameGeometry().center() - main.frameGeometry().center()).manhattanLength(),
                  2);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Velmoraのﾊﾞｰｼﾞｮﾝ情報"));
        EXPECT_EQ(box->versionLabel->text(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ " VELMORA_PROJECT_VERSION));
        EXPECT_FALSE(box->isModal());
        int okPresses = 0;
        QObject::connect(box->okButton, &QPushButton::clicked, [&okPresses] { ++okPresses; });
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(box, &press);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(box.isNull(), key != Qt::Key_A) << key;
        EXPECT_EQ(okPresses, key != Qt::Key_A ? 1 : 0) << key;
        delete box;
    }
}
