#include "settings/frmabout.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

AppState stateWithVersion(int major, int minor, int revision) {
    AppState state;
    state.program = ProgramInfo::withFolder(QStringLiteral("/tmp"));
    state.program.versionMajor = major;
    state.program.versionMinor = minor;
    state.program.versionRevision = revision;
    return state;
}

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

void press(QWidget* widget, int key) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &up);
}

} // namespace

TEST(frmAbout, ShowsTitleVersionAndIconCentredOnTheMainWindow) {
    QWidget main;
    main.setGeometry(100, 80, 900, 700);
    const AppState state = stateWithVersion(1, 2, 7);
    frmAbout box(state, &main);
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Velmoraのﾊﾞｰｼﾞｮﾝ情報"));
    EXPECT_EQ(box.lblTitle->text(), QStringLiteral("Velmora"));
    EXPECT_EQ(box.lblVersion->text(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ 1.2.7"));
    EXPECT_EQ(box.cmdOK->text(), QStringLiteral("OK"));
    EXPECT_TRUE(box.cmdOK->isDefault());
    EXPECT_FALSE(box.isModal());
    EXPECT_TRUE(box.lblTitle->font().bold());
    EXPECT_EQ(box.lblTitle->font().pointSize(), 12);
    EXPECT_FALSE(box.picIcon->pixmap().isNull());

    // Centred on the main window, both with their frames as shown.
    main.show();
    box.show();
    const QRect outer = main.frameGeometry();
    const QRect frame = box.frameGeometry();
    EXPECT_NEAR(frame.left() + frame.width() / 2.0, outer.left() + outer.width() / 2.0, 1.0);
    EXPECT_NEAR(frame.top() + frame.height() / 2.0, outer.top() + outer.height() / 2.0, 1.0);

    for (const char* name : {"picIcon", "lblTitle", "lblVersion", "Line1_0", "Line1_1", "cmdOK"})
        EXPECT_NE(box.findChild<QWidget*>(QLatin1String(name)), nullptr) << name;
}

TEST(frmAbout, ShowsTheVersionTheBuildWasConfiguredWith) {
    AppState state;
    state.program = ProgramInfo::withFolder(QStringLiteral("/tmp"));
    frmAbout box(state, nullptr);
    EXPECT_EQ(box.lblVersion->text(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ " VELMORA_PROJECT_VERSION));
}

TEST(frmAbout, OkEnterAndEscEachCloseTheBox) {
    QWidget main;
    const AppState state = stateWithVersion(1, 0, 0);

    QPointer<frmAbout> byButton = openBox(state, &main);
    ASSERT_TRUE(byButton->isVisible());
    byButton->cmdOK->click();
    EXPECT_TRUE(closedAndDeleted(byButton));

    for (const int key : {int(Qt::Key_Escape), int(Qt::Key_Return), int(Qt::Key_Enter)}) {
        QPointer<frmAbout> box = openBox(state, &main);
        int okPresses = 0;
        QObject::connect(box->cmdOK, &QPushButton::clicked, [&okPresses] { ++okPresses; });
        press(box, key);
        EXPECT_TRUE(closedAndDeleted(box)) << key;
        EXPECT_EQ(okPresses, 1) << key;
    }

    // Another key leaves it open.
    QPointer<frmAbout> box = openBox(state, &main);
    press(box, Qt::Key_A);
    EXPECT_FALSE(closedAndDeleted(box));
    delete box;
}
