#include "settings/optionsdialog.h"
#include "settings/updown.h"
#include "support/scriptedprompter.h"

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
    const QStringList shown{dialog->documentLeftValue->text(), dialog->documentTopValue->text(),
                            dialog->envelopeLeftValue->text(), dialog->envelopeTopValue->text()};
    EXPECT_EQ(shown, (QStringList{"0", "-1000", "0", "1000"}));
    dialog->UpDown1->upButton()->click();
    dialog->Command5->click(); // "リセットカラー"
    dialog->Command3->click();
    EXPECT_EQ(s, before);

    // Enter presses the focused button, else OK. The picker starts on black, then on the colour
    // last chosen in this opening, also after a cancelled pick.
    for (const auto colour : {std::optional(0x0000FFu), std::optional<quint32>()})
        prompter.nextColour(colour);
    dialog = open();
    dialog->show();
    dialog->Command5->click();
    pressEnter(dialog->Command1);
    dialog->Command4->click();
    dialog->UpDown1->upButton()->click();
    dialog->UpDown2->downButton()->click();
    dialog->UpDown13->upButton()->click();
    dialog->UpDown14->downButton()->click();
    EXPECT_EQ(dialog->envelopeTopValue->text(), QStringLiteral("995"));
    pressEnter(dialog->UpDown1);
    EXPECT_EQ((std::vector<qint32>{s.formOffsetDown, s.formOffsetAcross, s.envelopeOffsetAcross,
                                   s.envelopeOffsetDown}),
              (std::vector<qint32>{5, -1000, 5, 995}));
    EXPECT_EQ(s.dataColour, 0x0000FF); // 0x00BBGGRR
    EXPECT_EQ(s.formColour, 0);        // reset
    EXPECT_EQ(prompter.seen().back().colour.initial, 0x0000FFu);
    EXPECT_EQ(prompter.seen().front().colour.initial, 0u);
    EXPECT_EQ(previewClosings, 2);
}
