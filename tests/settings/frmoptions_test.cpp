#include "settings/colourswatch.h"
#include "settings/frmoptions.h"
#include "settings/updown.h"
#include "support/scriptedprompter.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

constexpr quint32 kRed = 0x0000FFu;   // 0x00BBGGRR
constexpr quint32 kGreen = 0x00FF00u; // 0x00BBGGRR
constexpr quint32 kTeal = 0x808000u;  // 0x00BBGGRR

struct OptionsFixture : testing::Test {
    AppState state;
    ScriptedPrompter prompter;
    QWidget main;
    int previewClosings = 0;

    OptionsFixture() {
        main.setGeometry(200, 150, 800, 600);
        SettingsValues& s = state.settings;
        s.YohakuLeft = 15;
        s.YohakuTop = -20;
        s.FutoLeft = 0;
        s.FutoTop = 35;
        s.MojiShoku = qint32(kGreen);
        s.frmShoku = qint32(kTeal);
    }

    std::unique_ptr<frmOptions> open() {
        return std::make_unique<frmOptions>(state, prompter, &main, [this] { ++previewClosings; });
    }
};

} // namespace

TEST_F(OptionsFixture, LoadingClosesThePreviewCentresAndShowsTheStoredValues) {
    const SettingsValues before = state.settings;
    auto dialog = open();
    EXPECT_EQ(previewClosings, 1);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("用紙と余白と色の設定"));
    EXPECT_TRUE(dialog->isModal());
    EXPECT_EQ(dialog->parentWidget(), &main);

    // Centred on the main window, both with their frames as shown.
    main.show();
    dialog->show();
    const QRect outer = main.frameGeometry();
    const QRect frame = dialog->frameGeometry();
    EXPECT_NEAR(frame.left() + frame.width() / 2.0, outer.left() + outer.width() / 2.0, 1.0);
    EXPECT_NEAR(frame.top() + frame.height() / 2.0, outer.top() + outer.height() / 2.0, 1.0);

    EXPECT_EQ(dialog->documentFrame->title(), QStringLiteral("書類"));
    EXPECT_EQ(dialog->envelopeFrame->title(), QStringLiteral("封筒"));
    EXPECT_EQ(dialog->colourFrame->title(), QStringLiteral("色"));
    EXPECT_EQ(dialog->Command1->text(), QStringLiteral("参照"));
    EXPECT_EQ(dialog->Command4->text(), QStringLiteral("参照"));
    EXPECT_EQ(dialog->Command5->text(), QStringLiteral("リセットカラー"));
    EXPECT_EQ(dialog->Command2->text(), QStringLiteral("O K"));
    EXPECT_EQ(dialog->Command3->text(), QStringLiteral("CANCEL"));
    EXPECT_EQ(dialog->Label25->text(), QStringLiteral("入力文字色"));
    EXPECT_EQ(dialog->Label26->text(), QStringLiteral("用紙文字色"));

    EXPECT_EQ(dialog->UpDown1->value(), 15);
    EXPECT_EQ(dialog->UpDown2->value(), -20);
    EXPECT_EQ(dialog->UpDown13->value(), 0);
    EXPECT_EQ(dialog->UpDown14->value(), 35);
    EXPECT_EQ(dialog->documentLeftValue->text(), QStringLiteral("15"));
    EXPECT_EQ(dialog->documentTopValue->text(), QStringLiteral("-20"));
    // A value equal to the spin button's start is shown too.
    EXPECT_EQ(dialog->envelopeLeftValue->text(), QStringLiteral("0"));
    EXPECT_EQ(dialog->envelopeTopValue->text(), QStringLiteral("35"));
    EXPECT_EQ(dialog->Label25->colour(), kGreen);
    EXPECT_EQ(dialog->Label26->colour(), kTeal);
    EXPECT_EQ(dialog->Label25->palette().color(QPalette::Window), QColor(0, 255, 0));
    EXPECT_EQ(dialog->Label26->palette().color(QPalette::Window), QColor(0, 128, 128));

    // Every control is found by its name.
    for (const char* name : {"UpDown1", "UpDown2", "UpDown13", "UpDown14", "Label25", "Label26",
                             "Command1", "Command2", "Command3", "Command4", "Command5"})
        EXPECT_NE(dialog->findChild<QWidget*>(QLatin1String(name)), nullptr) << name;

    // Cancelling leaves every setting as it was; the preview stays closed.
    dialog->Command3->click();
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(state.settings, before);
    EXPECT_EQ(previewClosings, 1);
    EXPECT_TRUE(prompter.seen().empty());
}

TEST_F(OptionsFixture, EnterPressesTheFocusedButtonElseOk) {
    const auto pressEnter = [](QWidget* target) {
        QKeyEvent event(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    };
    {
        auto dialog = open();
        dialog->show();
        prompter.nextColour(kRed);
        dialog->Command1->setFocus();
        pressEnter(dialog->Command1);
        EXPECT_EQ(prompter.seen().size(), 1u);
        EXPECT_EQ(dialog->Label25->colour(), kRed);
        EXPECT_TRUE(dialog->isVisible());
        dialog->Command3->click();
        EXPECT_EQ(state.settings.MojiShoku, qint32(kGreen));
    }
    {
        auto dialog = open();
        dialog->show();
        dialog->UpDown14->upButton()->click();
        pressEnter(dialog.get());
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(state.settings.FutoTop, 40);
    }
}

TEST_F(OptionsFixture, WithoutAPreviewOrAMainWindowTheDialogStillLoads) {
    frmOptions dialog(state, prompter, nullptr);
    EXPECT_EQ(dialog.UpDown14->value(), 35);
}

TEST_F(OptionsFixture, SpinButtonsStepByFiveAndStopAtTheEndsOfTheRange) {
    auto dialog = open();
    for (UpDown* spin : {dialog->UpDown1, dialog->UpDown2, dialog->UpDown13, dialog->UpDown14}) {
        EXPECT_EQ(spin->minimum(), -1000);
        EXPECT_EQ(spin->maximum(), 1000);
        EXPECT_EQ(spin->increment(), 5);
    }

    // "LEFT" of "封筒" twice up from 0.
    dialog->UpDown13->upButton()->click();
    dialog->UpDown13->upButton()->click();
    EXPECT_EQ(dialog->envelopeLeftValue->text(), QStringLiteral("10"));

    // "TOP" of "書類" all the way up, then one more.
    for (int i = 0; i < 300; ++i)
        dialog->UpDown2->upButton()->click();
    EXPECT_EQ(dialog->UpDown2->value(), 1000);
    EXPECT_EQ(dialog->documentTopValue->text(), QStringLiteral("1000"));
    // "LEFT" of "書類" all the way down.
    for (int i = 0; i < 300; ++i)
        dialog->UpDown1->downButton()->click();
    EXPECT_EQ(dialog->UpDown1->value(), -1000);
    EXPECT_EQ(dialog->documentLeftValue->text(), QStringLiteral("-1000"));

    dialog->Command2->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(state.settings.FutoLeft, 10);
    EXPECT_EQ(state.settings.YohakuTop, 1000);
    EXPECT_EQ(state.settings.YohakuLeft, -1000);
    EXPECT_EQ(state.settings.FutoTop, 35);
    EXPECT_EQ(state.settings.MojiShoku, qint32(kGreen));
    EXPECT_EQ(state.settings.frmShoku, qint32(kTeal));
}

TEST_F(OptionsFixture, ResetColourThenCancelKeepsTheColoursAndThenOkMakesThemBlack) {
    {
        auto dialog = open();
        dialog->Command5->click();
        EXPECT_EQ(dialog->Label25->colour(), 0u);
        EXPECT_EQ(dialog->Label26->colour(), 0u);
        EXPECT_EQ(dialog->Label25->palette().color(QPalette::Window), QColor(Qt::black));
        dialog->Command3->click();
        EXPECT_EQ(state.settings.MojiShoku, qint32(kGreen));
        EXPECT_EQ(state.settings.frmShoku, qint32(kTeal));
    }
    {
        auto dialog = open();
        EXPECT_EQ(dialog->Label25->colour(), kGreen);
        dialog->Command5->click();
        dialog->Command2->click();
        EXPECT_EQ(state.settings.MojiShoku, 0);
        EXPECT_EQ(state.settings.frmShoku, 0);
        // The offsets go back unchanged.
        EXPECT_EQ(state.settings.YohakuLeft, 15);
        EXPECT_EQ(state.settings.YohakuTop, -20);
        EXPECT_EQ(state.settings.FutoLeft, 0);
        EXPECT_EQ(state.settings.FutoTop, 35);
    }
    EXPECT_EQ(previewClosings, 2);
}

TEST_F(OptionsFixture, ThePickerStartsFromTheColourLastChosenInThisOpening) {
    auto dialog = open();
    prompter.nextColour(kRed);         // first "参照"
    prompter.nextColour(std::nullopt); // second "参照", cancelled
    prompter.nextColour(0xFFFFFFu);    // second "参照" again
    dialog->Command1->click();
    dialog->Command4->click();
    dialog->Command4->click();
    ASSERT_TRUE(prompter.allAnswersUsed());
    ASSERT_EQ(prompter.seen().size(), 3u);
    // Black at first, not the swatch's green; then the red just chosen, also after a
    // cancelled pick.
    EXPECT_EQ(prompter.seen()[0].colour.initial, 0u);
    EXPECT_EQ(prompter.seen()[1].colour.initial, kRed);
    EXPECT_EQ(prompter.seen()[2].colour.initial, kRed);
    EXPECT_EQ(dialog->pickerColour(), 0xFFFFFFu);
    EXPECT_EQ(dialog->Label25->colour(), kRed);
    EXPECT_EQ(dialog->Label26->colour(), 0xFFFFFFu);
    EXPECT_EQ(dialog->Label25->palette().color(QPalette::Window), QColor(255, 0, 0));

    // Nothing is stored before "O K".
    EXPECT_EQ(state.settings.MojiShoku, qint32(kGreen));
    dialog->Command2->click();
    EXPECT_EQ(state.settings.MojiShoku, qint32(kRed));
    EXPECT_EQ(state.settings.frmShoku, 0xFFFFFF);

    // A new opening starts the picker on black again.
    auto again = open();
    prompter.clearSeen();
    prompter.nextColour(std::nullopt);
    again->Command4->click();
    ASSERT_EQ(prompter.seen().size(), 1u);
    EXPECT_EQ(prompter.seen()[0].colour.initial, 0u);
    EXPECT_EQ(again->Label26->colour(), 0xFFFFFFu);
}

TEST_F(OptionsFixture, StoredOffsetsOutsideTheRangeAreClampedWhenLoaded) {
    SettingsValues& s = state.settings;
    s.YohakuLeft = 5000;
    s.YohakuTop = -1001;
    s.FutoLeft = 2147483647;
    s.FutoTop = -2147483647 - 1;
    {
        auto dialog = open();
        EXPECT_EQ(dialog->UpDown1->value(), 1000);
        EXPECT_EQ(dialog->UpDown2->value(), -1000);
        EXPECT_EQ(dialog->UpDown13->value(), 1000);
        EXPECT_EQ(dialog->UpDown14->value(), -1000);
        EXPECT_EQ(dialog->documentLeftValue->text(), QStringLiteral("1000"));
        EXPECT_EQ(dialog->envelopeTopValue->text(), QStringLiteral("-1000"));
        // The arrows work from the clamped value.
        dialog->UpDown2->upButton()->click();
        EXPECT_EQ(dialog->UpDown2->value(), -995);
        dialog->Command3->click();
        EXPECT_EQ(s.YohakuLeft, 5000);
        EXPECT_EQ(s.FutoTop, -2147483647 - 1);
    }
    {
        auto dialog = open();
        dialog->Command2->click();
        EXPECT_EQ(s.YohakuLeft, 1000);
        EXPECT_EQ(s.YohakuTop, -1000);
        EXPECT_EQ(s.FutoLeft, 1000);
        EXPECT_EQ(s.FutoTop, -1000);
    }
}
