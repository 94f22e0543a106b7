#include "print/frmprint.h"
#include "print/frmview.h"
#include "print/releasecheckbox.h"
#include "printfixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

namespace {

void click(QWidget* widget) {
    const QPointF centre = QRectF(widget->rect()).center();
    const QPointF global = widget->mapToGlobal(centre);
    QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

void pressSpace(QWidget* widget) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(widget, &release);
}

// The share of the widget's painted pixels that are pure red.
double redShare(QWidget* widget) {
    const QImage image = widget->grab().toImage();
    qsizetype red = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            red += image.pixel(x, y) == qRgb(255, 0, 0) ? 1 : 0;
    }
    return double(red) / double(std::max<qsizetype>(1, image.width() * image.height()));
}

} // namespace

TEST(frmPrint, FirstOpeningShowsRecordBureauAndDefaults) {
    PrintFixture f;
    frmPrint dialog(f.state, f.prompter, f.clock, f.printers);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("印刷の設定"));
    EXPECT_TRUE(f.prompter.seen().empty());
    EXPECT_EQ(dialog.Text1[0]->text(), QStringLiteral("ＪＡ１ＡＢＣ"));
    EXPECT_EQ(dialog.Text1[2]->text(), QStringLiteral("関東総合通信局長　殿"));
    EXPECT_EQ(dialog.Text1[3]->text(), QStringLiteral("令和7年03月01日"));
    EXPECT_EQ(dialog.Label2->text(), QStringLiteral("令和7年04月03日"));
    EXPECT_EQ(f.state.bureau.AreaName, QStringLiteral("関東総合通信局"));
    EXPECT_TRUE(f.state.print.PrintDest.isEmpty());
    EXPECT_TRUE(dialog.Check5[0]->isChecked());
    EXPECT_FALSE(dialog.Check7[0]->isEnabled());
    EXPECT_FALSE(dialog.Text2->isEnabled());
    for (QCheckBox* box : dialog.Check1)
        EXPECT_FALSE(box->isChecked());
    // The printer list: the system's, then "PDF", showing the current printer.
    ASSERT_EQ(dialog.Combo1->count(), 3);
    EXPECT_EQ(dialog.Combo1->itemText(2), QStringLiteral("PDF"));
    EXPECT_EQ(dialog.Combo1->currentText(), QStringLiteral("Printer A"));
    // Boxes 5 to 15 are printed from the record: shown read-only; the others can be typed in.
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(dialog.Text1[size_t(i)]->isReadOnly(), i >= 5) << i;
}

TEST(frmPrint, OkinawaClubStation) {
    PrintFixture f;
    f.state.print.PrintRecordIndex = 2;
    frmPrint dialog(f.state, f.prompter, f.clock, f.printers);
    EXPECT_EQ(dialog.Text1[2]->text(), QStringLiteral("沖縄総合通信事務所長　殿"));
    EXPECT_EQ(dialog.Text1[3]->text(), QStringLiteral("令和5年02月28日"));
    EXPECT_TRUE(dialog.Check4->isChecked());
    EXPECT_EQ(f.state.print.PrintClubFlag, 1);
}

TEST(frmPrint, MissingBureauFileShowsMessageOnceAndOpens) {
    PrintFixture f;
    QFile::remove(f.state.program.path(bureaufile::fileName()));
    f.state.bureau.AreaZip = QStringLiteral("old");
    f.prompter.nextAnswer(Prompter::Answer::Ok);
    frmPrint dialog(f.state, f.prompter, f.clock, f.printers);
    ASSERT_EQ(f.prompter.messages().size(), 1u);
    const Prompter::Message* message = f.prompter.lastMessage();
    EXPECT_EQ(message->text, QStringLiteral("申請先データファイルが有りません"));
    EXPECT_EQ(message->title, QStringLiteral("Velmora"));
    EXPECT_EQ(message->buttons, Prompter::Buttons::Ok);
    EXPECT_EQ(message->icon, Prompter::Icon::None);
    EXPECT_TRUE(dialog.Text1[2]->text().isEmpty());
    EXPECT_TRUE(f.state.bureau.AreaZip.isEmpty());
    EXPECT_EQ(dialog.Text1[0]->text(), QStringLiteral("ＪＡ１ＡＢＣ"));
}

TEST(frmPrint, StoredAnswersComeBackAtTheNextOpening) {
    PrintFixture f;
    {
        frmPrint dialog(f.state, f.prompter, f.clock, f.printers);
        dialog.Check5[1]->setChecked(true);
        dialog.Check5MouseUp(1);
        dialog.Check7[1]->setChecked(true);
        dialog.Check7MouseUp(1);
        EXPECT_TRUE(dialog.Text2->isEnabled());
        EXPECT_TRUE(dialog.yearsWindowBackground());
        dialog.Text2->setText(QStringLiteral("3"));
        dialog.Check6->setChecked(true);
        dialog.Check2->setChecked(true);
        dialog.Check3->setChecked(true);
        dialog.UpDown1Click(1, 1);
        EXPECT_EQ(dialog.Label2->text(), QStringLiteral("令和7年5月3日"));
        dialog.Text1[2]->setText(QStringLiteral("関東総合通信局長　殿 "));
        dialog.Check1[2]->setChecked(true);
        EXPECT_TRUE(dialog.Command2Click());
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    const PrintData& p = f.state.print;
    EXPECT_EQ(p.PrintDocs, (std::array<qint16, 5>{0, 0, 1, 0, 0}));
    EXPECT_EQ(p.PrintDest, QStringLiteral("関東総合通信局長　殿"));
    EXPECT_EQ(p.PrintCallSign, QStringLiteral("ＪＡ１ＡＢＣ"));
    EXPECT_EQ(p.RegisteredMail, 1);
    EXPECT_EQ(p.PrepayAnswer, 1);
    EXPECT_EQ(p.PrepayPeriod, 1);
    EXPECT_EQ(p.PrepayYears, QStringLiteral("3"));
    EXPECT_EQ(p.PrintAppDate, QStringLiteral("令和7年5月3日"));

    frmPrint again(f.state, f.prompter, f.clock, f.printers);
    EXPECT_TRUE(again.Check5[1]->isChecked());
    EXPECT_FALSE(again.Check5[0]->isChecked());
    EXPECT_TRUE(again.Check7[1]->isChecked());
    EXPECT_TRUE(again.Check7[0]->isEnabled());
    EXPECT_EQ(again.Text2->text(), QStringLiteral("3"));
    EXPECT_FALSE(again.yearsWindowBackground());
    EXPECT_TRUE(again.Check6->isChecked());
    EXPECT_TRUE(again.Check2->isChecked());
    EXPECT_TRUE(again.Check3->isChecked());
    EXPECT_EQ(again.Label2->text(), QStringLiteral("令和7年5月3日"));
    for (QCheckBox* box : again.Check1)
        EXPECT_FALSE(box->isChecked());

    // A cancelled dialog stores nothing.
    again.UpDown1Click(2, 1);
    again.Check2->setChecked(false);
    again.Command3Click();
    EXPECT_EQ(again.result(), QDialog::Rejected);
    EXPECT_EQ(f.state.print.PrintAppDate, QStringLiteral("令和7年5月3日"));
    EXPECT_EQ(f.state.print.DisposalHistory, 1);
}

TEST(frmPrint, NothingTickedBlinksAndKeepsData) {
    PrintFixture f;
    frmPrint dialog(f.state, f.prompter, f.clock, f.printers);
    dialog.Check3->setChecked(true);
    dialog.Check2->setChecked(true);
    EXPECT_FALSE(dialog.Command2Click());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.Timer1->isActive());
    EXPECT_EQ(dialog.Timer1->interval(), 250);
    // Registered mail and the document list are stored first; nothing else.
    EXPECT_EQ(f.state.print.RegisteredMail, 1);
    EXPECT_EQ(f.state.print.DisposalHistory, 0);
    EXPECT_TRUE(f.state.print.PrintCallSign.isEmpty());

    // What is painted counts: the box around the tick mark and the caption turns red.
    dialog.show();
    for (int tick = 0; tick < 10; ++tick) {
        ASSERT_TRUE(dialog.Timer1->isActive()) << tick;
        dialog.Timer1Timer();
        for (QCheckBox* box : dialog.Check1) {
            if (tick % 2 == 0)
                EXPECT_GT(redShare(box), 0.5) << tick;
            else
                EXPECT_EQ(redShare(box), 0.0) << tick;
        }
    }
    EXPECT_FALSE(dialog.Timer1->isActive());
    EXPECT_EQ(dialog.blinkCounter(), 0);
}

TEST(frmPrint, PrepaymentRulesActOnMouseReleaseOnly) {
    PrintFixture f;
    frmPrint dialog(f.state, f.prompter, f.clock, f.printers);
    dialog.show();
    click(dialog.Check5[1]);
    EXPECT_TRUE(dialog.Check5[1]->isChecked());
    EXPECT_FALSE(dialog.Check5[0]->isChecked());
    EXPECT_TRUE(dialog.Check7[0]->isEnabled());
    click(dialog.Check7[1]);
    EXPECT_TRUE(dialog.Check7[1]->isChecked());
    EXPECT_TRUE(dialog.Text2->isEnabled());
    EXPECT_TRUE(dialog.yearsWindowBackground());
    dialog.Text2->setText(QStringLiteral("4"));

    // The keyboard toggles the box and nothing else.
    pressSpace(dialog.Check7[0]);
    EXPECT_TRUE(dialog.Check7[0]->isChecked());
    EXPECT_TRUE(dialog.Check7[1]->isChecked());
    EXPECT_EQ(dialog.Text2->text(), QStringLiteral("4"));

    // A click that unticks "無" still disables the period.
    click(dialog.Check5[0]);
    EXPECT_TRUE(dialog.Check5[0]->isChecked());
    click(dialog.Check5[0]);
    EXPECT_FALSE(dialog.Check5[0]->isChecked());
    EXPECT_FALSE(dialog.Check5[1]->isChecked());
    EXPECT_FALSE(dialog.Check7[0]->isEnabled());
    EXPECT_FALSE(dialog.Check7[1]->isChecked());
    EXPECT_TRUE(dialog.Text2->text().isEmpty());
    EXPECT_FALSE(dialog.Text2->isEnabled());
}

TEST(frmPrint, PrinterChoiceRetitlesTheDialog) {
    PrintFixture f;
    frmPrint dialog(f.state, f.prompter, f.clock, f.printers);
    dialog.Combo1->setCurrentIndex(2);
    dialog.Combo1Click();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("PDF"));
    EXPECT_EQ(f.printers.currentName(), QStringLiteral("PDF"));

    // The choice stays for the run: the next opening shows it.
    frmPrint again(f.state, f.prompter, f.clock, f.printers);
    EXPECT_EQ(again.Combo1->currentText(), QStringLiteral("PDF"));
    EXPECT_EQ(again.windowTitle(), QStringLiteral("印刷の設定"));
}

TEST(frmPrint, RecordIndexOutOfRangeOpensEmpty) {
    PrintFixture f;
    f.state.print.PrintRecordIndex = 99;
    frmPrint dialog(f.state, f.prompter, f.clock, f.printers);
    EXPECT_TRUE(dialog.Text1[0]->text().isEmpty());
    // An empty call sign selects area 0.
    EXPECT_EQ(dialog.Text1[2]->text(), QStringLiteral("信越総合通信局長　殿"));
}

TEST(frmPrint, WarnsWhileTheApplicationDateIsOutsideTheWindow) {
    PrintFixture f; // expiry 2030-02-28: window 2029-08-29..2030-01-28; today 2025-04-03
    frmPrint dialog(f.state, f.prompter, f.clock, f.printers);
    EXPECT_EQ(dialog.Label3->text(),
              QStringLiteral("申請期間外です（受付 令和11年8月29日～令和12年1月28日）"));
    for (int i = 0; i < 4; ++i)
        dialog.UpDown1Click(0, +1);
    for (int i = 0; i < 5; ++i)
        dialog.UpDown1Click(1, +1); // 2029-09-03
    EXPECT_TRUE(dialog.Label3->text().isEmpty());
    // Printing goes on all the same.
    dialog.UpDown1Click(0, +1);
    EXPECT_FALSE(dialog.Label3->text().isEmpty());
    dialog.Check1[0]->setChecked(true);
    EXPECT_TRUE(dialog.Command2Click());
}

TEST(frmPrint, OpenerShowsThePreviewAndReplacesAnEarlierOne) {
    PrintFixture f;
    QWidget main;
    // Answers the modal dialog once it runs: tick documents and print, or cancel.
    const auto answer = [](std::function<void(frmPrint&)> act) {
        QTimer::singleShot(0, [act] {
            auto* dialog = qobject_cast<frmPrint*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            act(*dialog);
        });
    };
    answer([](frmPrint& d) { d.Command3Click(); });
    EXPECT_EQ(openPrintDialog(f.state, f.prompter, f.clock, f.printers, &main), nullptr);

    answer([](frmPrint& d) {
        d.Check1[1]->setChecked(true);
        d.Check1[2]->setChecked(true);
        d.Command2Click();
    });
    QPointer<frmView> first = openPrintDialog(f.state, f.prompter, f.clock, f.printers, &main);
    ASSERT_FALSE(first.isNull());
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(f.state.print.PreviewDoc, 1);
    EXPECT_EQ(first->windowTitle(), QStringLiteral("Printer A"));

    answer([](frmPrint& d) {
        d.Check1[0]->setChecked(true);
        d.Command2Click();
    });
    QPointer<frmView> second = openPrintDialog(f.state, f.prompter, f.clock, f.printers, &main);
    ASSERT_FALSE(second.isNull());
    EXPECT_EQ(f.state.print.PreviewDoc, 0);
    EXPECT_TRUE(second->isVisible());
    ASSERT_FALSE(first.isNull()); // deleted later, by the event loop
    EXPECT_FALSE(first->isVisible());
}
