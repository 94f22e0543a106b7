#include "settings/frmabout.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// Opens the box as the main window does: shown, deleted when closed.
QPointer<frmAbout> openBox(const AppState& state, QWidget* main) {
    auto* box = new frmAbout(state, main);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->show();
    return box;
}

// Whether the box has closed and, once deferred deletions have run, is gone.
bool closedAndDeleted(const QPointer<frmAbout>& box) {
    if (box && box->isVisible())
        return false;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return box.isNull();
}

} // namespace

TEST(frmAbout, ShowsTheVersionCentredOnTheMainWindowWithoutBlockingIt) {
    QWidget main;
    main.setGeometry(100, 80, 900, 700);
    AppState state;
    state.program = ProgramInfo::withFolder(QStringLiteral("/tmp"));
    EXPECT_EQ(frmAbout(state, nullptr).lblVersion->text(),
              QStringLiteral("ﾊﾞｰｼﾞｮﾝ " VELMORA_PROJECT_VERSION));
    state.program.versionMajor = 1;
    state.program.versionMinor = 2;
    state.program.versionRevision = 7;
    frmAbout box(state, &main);
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Velmoraのﾊﾞｰｼﾞｮﾝ情報"));
    EXPECT_EQ(box.lblVersion->text(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ 1.2.7"));
    EXPECT_TRUE(box.cmdOK->isDefault());
    EXPECT_FALSE(box.isModal());
    EXPECT_FALSE(box.picIcon->pixmap().isNull());
    main.show();
    box.show();
    EXPECT_NEAR(box.frameGeometry().center().x(), main.frameGeometry().center().x(), 1.0);
    EXPECT_NEAR(box.frameGeometry().center().y(), main.frameGeometry().center().y(), 1.0);
}

TEST(frmAbout, OkEnterAndEscEachCloseTheBox) {
    QWidget main;
    AppState state;
    QPointer<frmAbout> byButton = openBox(state, &main);
    byButton->cmdOK->click();
    EXPECT_TRUE(closedAndDeleted(byButton));

    // Each key presses OK; another key leaves the box open.
    for (const int key :
         {int(Qt::Key_Escape), int(Qt::Key_Return), int(Qt::Key_Enter), int(Qt::Key_A)}) {
        QPointer<frmAbout> box = openBox(state, &main);
        int okPresses = 0;
        QObject::connect(box->cmdOK, &QPushButton::clicked, [&okPresses] { ++okPresses; });
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(box, &press);
        EXPECT_EQ(closedAndDeleted(box), key != Qt::Key_A) << key;
        EXPECT_EQ(okPresses, key != Qt::Key_A ? 1 : 0) << key;
        delete box;
    }
}
