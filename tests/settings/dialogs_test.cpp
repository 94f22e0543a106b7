// The settings menu's dialogs. The options dialog: loading and clamping the stored values, cancel
// and OK, the colour picker, and what a screen reader hears; its spin button: steps, ends, keys
// and what a screen reader hears. The version box: what it shows and the keys that close it (it
// is placed as the options dialog is).
#include "settings/aboutbox.h"
#include "settings/optionsdialog.h"
#include "settings/updown.h"
#include "support/scriptedprompter.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

TEST(OptionsDialog, LoadsCentredCancelKeepsEverythingAndOkStoresWhatWasSet) {
    AppState state;
    ScriptedPrompter prompter;
    QWidget main;
    main.setGeometry(200, 150, 800, 600);
    int previewClosings = 0;
    const auto open = [&] {
        return std::make_unique<OptionsDialog>(state, prompter, &main, [&] { ++previewClosings; });
    };
    const auto pressEnter = [](QWidget* focus) {
        focus->setFocus();
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(focus, &enter);
    };
    SettingsValues& s = state.settings;
    s.formOffsetAcross = -1001; // from a file edited by hand: clamped
    s.envelopeOffsetDown = 2147483647;
    s.formColour = 0x123456;
    const SettingsValues before = s;
    main.show();
    auto dialog = open();
    dialog->show();
    // Centred on the main window, both with their frames as shown.
    EXPECT_LE((dialog->frameGeometry().center() - main.frameGeometry().center()).manhattanLength(),
              2);
    // A value equal to the spin button's start (0) is shown too.
    const QStringList shown{
        dialog->formOffsetDownValue->text(), dialog->formOffsetAcrossValue->text(),
        dialog->envelopeOffsetAcrossValue->text(), dialog->envelopeOffsetDownValue->text()};
    EXPECT_EQ(shown, (QStringList{"0", "-1000", "0", "1000"}));
    // A screen reader hears which frame's offset a spin button sets and which colour a "参照"
    // chooses.
    QStringList names;
    for (QWidget* widget : std::initializer_list<QWidget*>{
             dialog->formOffsetDownSpin, dialog->formOffsetAcrossSpin,
             dialog->envelopeOffsetAcrossSpin, dialog->envelopeOffsetDownSpin,
             dialog->chooseDataColourButton, dialog->chooseFormColourButton})
        names << QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    EXPECT_EQ(names, (QStringList{u"書類 LEFT"_qs, u"書類 TOP"_qs, u"封筒 LEFT"_qs, u"封筒 TOP"_qs,
                                  u"入力文字色 参照"_qs, u"用紙文字色 参照"_qs}));
    dialog->formOffsetDownSpin->upButton()->click();
    dialog->resetColoursButton->click(); // "リセットカラー"
    dialog->cancelButton->click();
    EXPECT_EQ(s, before);

    // Enter presses the focused button, else OK. The picker starts on black, then on the colour
    // last chosen in this opening, also after a cancelled pick.
    prompter.nextColour(0x0000FFu);
    prompter.nextColour(std::nullopt);
    dialog = open();
    dialog->show();
    dialog->resetColoursButton->click();
    pressEnter(dialog->chooseDataColourButton);
    dialog->chooseFormColourButton->click();
    dialog->formOffsetDownSpin->upButton()->click();
    dialog->formOffsetAcrossSpin->downButton()->click();
    dialog->envelopeOffsetAcrossSpin->upButton()->click();
    dialog->envelopeOffsetDownSpin->downButton()->click();
    EXPECT_EQ(dialog->envelopeOffsetDownValue->text(), QStringLiteral("995"));
    pressEnter(dialog->formOffsetDownSpin);
    EXPECT_EQ((std::vector<qint32>{s.formOffsetDown, s.formOffsetAcross, s.envelopeOffsetAcross,
                                   s.envelopeOffsetDown}),
              (std::vector<qint32>{5, -1000, 5, 995}));
    EXPECT_EQ(s.dataColour, 0x0000FF); // 0x00BBGGRR
    EXPECT_EQ(s.formColour, 0);        // reset
    EXPECT_EQ(prompter.seen().back().colour.initial, 0x0000FFu);
    EXPECT_EQ(prompter.seen().front().colour.initial, 0u);
    EXPECT_EQ(previewClosings, 2);
}

TEST(UpDown, StepsByTheIncrementAndStopsAtBothEnds) {
    UpDown spin(-1000, 1000, 5);
    std::vector<int> changes;
    QObject::connect(&spin, &UpDown::valueChanged, [&changes](int v) { changes.push_back(v); });
    spin.upButton()->click();
    spin.setValue(998); // an odd value steps to the end of the range
    spin.upButton()->click();
    spin.upButton()->click(); // at the end: no change, and no signal
    spin.setValue(-2147483647 - 1);
    spin.downButton()->click();
    // Up and Space step up, Down and Shift+Space (-Key_Space here) down, other keys nothing.
    for (const int key : {int(Qt::Key_Up), int(Qt::Key_Down), int(Qt::Key_Space),
                          -int(Qt::Key_Space), int(Qt::Key_Left)}) {
        QKeyEvent event(QEvent::KeyPress, std::abs(key),
                        key < 0 ? Qt::ShiftModifier : Qt::NoModifier,
                        std::abs(key) == Qt::Key_Space ? u" "_qs : QString());
        QApplication::sendEvent(&spin, &event);
    }
    EXPECT_EQ(changes, (std::vector<int>{5, 998, 1000, -1000, -995, -1000, -995, -1000}));
    // A screen reader hears the value.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&spin)->text(QAccessible::Description),
              u"-1000"_qs);

    UpDown wide(-2147483647 - 1, 2147483647, 5); // steps never overflow
    wide.setValue(2147483645);
    wide.stepUp();
    EXPECT_EQ(wide.value(), 2147483647);
}

TEST(AboutBox, ShowsTheVersionWithoutBlockingAndEscOrEnterPressOkWhichClosesIt) {
    QWidget main;
    main.show();
    AppState state;
    state.program = ProgramInfo::withFolder(QStringLiteral("/tmp"));
    for (const int key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter, Qt::Key_A}) {
        // Opened as the main window opens it: deleted when closed.
        QPointer<AboutBox> box = new AboutBox(state, &main);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->show();
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
