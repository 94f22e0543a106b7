#include "settings/colourswatch.h"
#include "settings/frmoptions.h"
#include "settings/updown.h"
#include "support/scriptedprompter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

constexpr quint32 kRed = 0x0000FFu; // 0x00BBGGRR
constexpr quint32 kGreen = 0x00FF00u;

struct Options : testing::Test {
    AppState state;
    ScriptedPrompter prompter;
    QWidget main;
    int previewClosings = 0;

    Options() {
        main.setGeometry(200, 150, 800, 600);
        state.settings.YohakuLeft = 15;
        state.settings.YohakuTop = -20;
        state.settings.FutoTop = 35;
        state.settings.MojiShoku = qint32(kGreen);
    }
    std::unique_ptr<frmOptions> open() {
        return std::make_unique<frmOptions>(state, prompter, &main, [this] { ++previewClosings; });
    }
    std::vector<qint32> offsets() const {
        const SettingsValues& s = state.settings;
        return {s.YohakuLeft, s.YohakuTop, s.FutoLeft, s.FutoTop};
    }
};

} // namespace

TEST_F(Options, LoadingClosesThePreviewCentresAndShowsTheStoredValues) {
    const SettingsValues before = state.settings;
    auto dialog = open();
    EXPECT_EQ(previewClosings, 1);
    main.show();
    dialog->show();
    EXPECT_NEAR(dialog->frameGeometry().center().x(), main.frameGeometry().center().x(), 1.0);
    EXPECT_NEAR(dialog->frameGeometry().center().y(), main.frameGeometry().center().y(), 1.0);
    // A value equal to the spin button's start (0) is shown too.
    const QStringList shown{dialog->documentLeftValue->text(), dialog->documentTopValue->text(),
                            dialog->envelopeLeftValue->text(), dialog->envelopeTopValue->text()};
    EXPECT_EQ(shown, (QStringList{"15", "-20", "0", "35"}));
    EXPECT_EQ(dialog->Label25->palette().color(QPalette::Window), QColor(0, 255, 0));
    dialog->Command3->click();
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(state.settings, before);
    // Without a preview or a main window the dialog still loads.
    EXPECT_EQ(frmOptions(state, prompter, nullptr).UpDown14->value(), 35);
}

TEST_F(Options, EachSpinButtonStepsItsOwnOffsetByFiveWithinTheRange) {
    state.settings.YohakuTop = -1001; // from a file edited by hand: clamped
    state.settings.FutoLeft = 2147483647;
    auto dialog = open();
    EXPECT_EQ(dialog->documentTopValue->text(), QStringLiteral("-1000"));
    dialog->UpDown1->upButton()->click();
    dialog->UpDown2->downButton()->click();
    dialog->UpDown13->upButton()->click();
    dialog->UpDown14->upButton()->click();
    dialog->UpDown14->upButton()->click();
    EXPECT_EQ(dialog->envelopeTopValue->text(), QStringLiteral("45"));
    dialog->Command2->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(offsets(), (std::vector<qint32>{20, -1000, 1000, 45}));
    EXPECT_EQ(state.settings.MojiShoku, qint32(kGreen));
}

TEST_F(Options, EnterPressesTheFocusedButtonElseOk) {
    auto dialog = open();
    dialog->show();
    prompter.nextColour(kRed);
    const auto pressEnter = [&](QWidget* focus) {
        focus->setFocus();
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(focus, &enter);
    };
    pressEnter(dialog->Command1);
    EXPECT_EQ(dialog->Label25->colour(), kRed);
    EXPECT_TRUE(dialog->isVisible());
    pressEnter(dialog->UpDown1);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(state.settings.MojiShoku, qint32(kRed));
}

TEST_F(Options, ColoursChangeOnlyWithOk) {
    auto dialog = open();
    dialog->Command5->click(); // "リセットカラー"
    EXPECT_EQ(dialog->Label25->palette().color(QPalette::Window), QColor(Qt::black));
    dialog->Command3->click();
    EXPECT_EQ(state.settings.MojiShoku, qint32(kGreen));

    // The picker starts on black, then on the colour last chosen in this opening, also after a
    // cancelled pick; a new opening starts on black again.
    for (const auto colour : {std::optional(kRed), std::optional<quint32>(),
                              std::optional(0xFFFFFFu), std::optional<quint32>()})
        prompter.nextColour(colour);
    dialog = open();
    dialog->Command1->click();
    dialog->Command4->click();
    dialog->Command4->click();
    dialog->Command2->click();
    EXPECT_EQ(state.settings.MojiShoku, qint32(kRed));
    EXPECT_EQ(state.settings.frmShoku, 0xFFFFFF);
    EXPECT_EQ(offsets(), (std::vector<qint32>{15, -20, 0, 35}));
    dialog = open();
    dialog->Command4->click();
    std::vector<quint32> initial;
    for (const ScriptedPrompter::Seen& seen : prompter.seen())
        initial.push_back(seen.colour.initial);
    EXPECT_EQ(initial, (std::vector<quint32>{0, kRed, kRed, 0}));
    dialog->Command5->click();
    dialog->Command2->click();
    EXPECT_EQ(state.settings.MojiShoku, 0);
    EXPECT_EQ(state.settings.frmShoku, 0);
    EXPECT_EQ(previewClosings, 3);
}
