// The options dialog: loading and clamping the stored values, cancel and OK, the colour picker,
// and what a screen reader hears.
#include "settings/optionsdialog.h"
#include "settings/updown.h"
#include "support/scriptedprompter.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
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
    auto dialog = open();
    main.show();
    dialog->show();
    // Centred on the main window, and not resizable.
    EXPECT_LE((dialog->frameGeometry().center() - main.frameGeometry().center()).manhattanLength(),
              2);
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    // A value equal to the spin button's start (0) is shown too.
    const QStringList shown{
        dialog->formOffsetDownValue->text(), dialog->formOffsetAcrossValue->text(),
        dialog->envelopeOffsetAcrossValue->text(), dialog->envelopeOffsetDownValue->text()};
    EXPECT_EQ(shown, (QStringList{"0", "-1000", "0", "1000"}));
    // A screen reader hears which frame's offset a spin button sets and which colour a "参照"
    // chooses.
    const std::vector<std::pair<QWidget*, QString>> named{
        {dialog->formOffsetDownSpin, u"書類 LEFT"_qs},
        {dialog->formOffsetAcrossSpin, u"書類 TOP"_qs},
        {dialog->envelopeOffsetAcrossSpin, u"封筒 LEFT"_qs},
        {dialog->envelopeOffsetDownSpin, u"封筒 TOP"_qs},
        {dialog->chooseDataColourButton, u"入力文字色 参照"_qs},
        {dialog->chooseFormColourButton, u"用紙文字色 参照"_qs}};
    for (const auto& [widget, name] : named)
        EXPECT_EQ(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name), name);
    dialog->formOffsetDownSpin->upButton()->click();
    dialog->resetColoursButton->click(); // "リセットカラー"
    dialog->cancelButton->click();
    EXPECT_EQ(s, before);

    // Enter presses the focused button, else OK. The picker starts on black, then on the colour
    // last chosen in this opening, also after a cancelled pick.
    for (const auto colour : {std::optional(0x0000FFu), std::optional<quint32>()})
        prompter.nextColour(colour);
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
