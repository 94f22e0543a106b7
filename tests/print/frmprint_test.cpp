#include "platform/gui/mainwindowlink.h"
#include "print/frmprint.h"
#include "print/frmview.h"
#include "print/printopener.h"
#include "print/releasecheckbox.h"
#include "printfixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

// The dialog's wiring: its controls show and store what printfill works out.

using namespace Qt::StringLiterals;

namespace {

void click(QWidget* widget) {
    const QPointF centre = QRectF(widget->rect()).center();
    for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, centre, widget->mapToGlobal(centre), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
}

// Whether the box is painted red beside its caption.
bool paintedRed(QWidget* widget) {
    const QImage image = widget->grab().toImage();
    return image.pixel(image.width() - 2, image.height() / 2) == qRgb(255, 0, 0);
}

} // namespace

TEST(frmPrint, OpensOnTheRecordWithItsBureauThePrintersAndTheRememberedAnswers) {
    PrintFixture f;
    PrintData& p = f.state.print;
    p.RegisteredMail = p.PrintDateFlag = p.DisposalHistory = p.PrepayAnswer = p.PrepayPeriod = 1;
    p.PrepayYears = QStringLiteral("3");
    p.PrintAppDate = QStringLiteral("令和7年5月3日");
    p.PrintDocs = {1, 1, 1, 0, 0};
    frmPrint dialog(f.state, f.prompter, f.clock, f.printers);
    EXPECT_TRUE(f.prompter.seen().empty());
    const QStringList shown{dialog.Text1[0]->text(),  dialog.Text1[2]->text(),
                            dialog.Text1[13]->text(), dialog.Label2->text(),
                            dialog.Text2->text(),     f.state.bureau.AreaName};
    EXPECT_EQ(shown, QStringList({u"ＪＡ１ＡＢＣ"_s, u"関東総合通信局長　殿"_s,
                                  u"東京都千代田区九段南1-2-1"_s, u"令和7年5月3日"_s, u"3"_s,
                                  u"関東総合通信局"_s}));
    for (QCheckBox* box : std::initializer_list<QCheckBox*>{
             dialog.Check5[1], dialog.Check7[1], dialog.Check6, dialog.Check2, dialog.Check3,
             dialog.Check1[0], dialog.Check4})
        EXPECT_EQ(box->isChecked(), box != dialog.Check1[0] && box != dialog.Check4)
            << qPrintable(box->text());
    EXPECT_TRUE(dialog.Check7[0]->isEnabled() && dialog.Text2->isEnabled());
    EXPECT_FALSE(dialog.Check5[0]->isChecked() || dialog.yearsWindowBackground());
    // Boxes 5 to 15 are printed from the record: read-only. The applicant's boxes 10 to 15
    // form the right-hand column.
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(dialog.Text1[size_t(i)]->isReadOnly(), i >= 5) << i;
        EXPECT_EQ(dialog.Text1[size_t(i)]->x() > dialog.width() / 2, i >= 10) << i;
    }
    // The printers, the current one shown; a choice retitles the dialog and stays for the run.
    EXPECT_EQ(dialog.Combo1->count(), 3);
    EXPECT_EQ(dialog.Combo1->currentText(), QStringLiteral("Printer A"));
    dialog.Combo1->setCurrentIndex(2);
    dialog.Combo1Click();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("PDF"));

    // The second record is a club station; a record index out of range opens empty, for area 0.
    p.PrintRecordIndex = 2;
    EXPECT_TRUE(frmPrint(f.state, f.prompter, f.clock, f.printers).Check4->isChecked());
    p.PrintRecordIndex = 10;
    frmPrint empty(f.state, f.prompter, f.clock, f.printers);
    EXPECT_EQ(
        QStringList({empty.Combo1->currentText(), empty.Text1[0]->text(), empty.Text1[2]->text()}),
        QStringList({u"PDF"_s, QString(), u"信越総合通信局長　殿"_s}));
}

TEST(frmPrint, MissingBureauFileIsReportedOnceAndTheDialogOpens) {
    PrintFixture f;
    QFile::remove(f.state.program.path(bureaufile::fileName()));
    f.state.bureau.AreaZip = QStringLiteral("old");
    f.prompter.nextAnswer(Prompter::Answer::Ok);
    frmPrint dialog(f.state, f.prompter, f.clock, f.printers);
    EXPECT_EQ(f.prompter.messages(),
              std::vector<QString>{QStringLiteral("申請先データファイルが有りません")});
    EXPECT_TRUE(dialog.Text1[2]->text().isEmpty() && f.state.bureau.AreaZip.isEmpty());
    EXPECT_EQ(dialog.Text1[0]->text(), QStringLiteral("ＪＡ１ＡＢＣ"));
}

TEST(frmPrint, PrintStoresTheControlsAndCancelNothing) {
    PrintFixture f;
    frmPrint cancelled(f.state, f.prompter, f.clock, f.printers);
    cancelled.Check2->setChecked(true);
    cancelled.Command3->click();
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
    EXPECT_EQ(f.state.print.DisposalHistory, 0);

    frmPrint dialog(f.state, f.prompter, f.clock, f.printers);
    for (QCheckBox* box :
         std::initializer_list<QCheckBox*>{dialog.Check5[1], dialog.Check7[1], dialog.Check6,
                                           dialog.Check2, dialog.Check3, dialog.Check1[2]})
        box->setChecked(true);
    dialog.Check5MouseUp(1);
    dialog.Text2->setText(QStringLiteral("3"));
    dialog.UpDown1Click(1, 1);
    dialog.Text1[2]->setText(QStringLiteral("関東総合通信局長　殿 "));
    dialog.Command2->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const PrintData& p = f.state.print;
    EXPECT_EQ(p.PrintDocs, (std::array<qint16, 5>{0, 0, 1, 0, 0}));
    EXPECT_EQ(p.PrintDest, QStringLiteral("関東総合通信局長　殿"));
    const std::vector<qint16> flags{p.RegisteredMail, p.PrintDateFlag, p.DisposalHistory,
                                    p.PrepayAnswer, p.PrepayPeriod};
    EXPECT_EQ(flags, (std::vector<qint16>{1, 1, 1, 1, 1}));
    EXPECT_EQ(p.PrepayYears, QStringLiteral("3"));
    EXPECT_EQ(p.PrintAppDate, QStringLiteral("令和7年5月3日"));
}

TEST(frmPrint, NothingTickedBlinksTheDocumentBoxesRed) {
    PrintFixture f;
    frmPrint dialog(f.state, f.prompter, f.clock, f.printers);
    dialog.show();
    dialog.Check3->setChecked(true);
    dialog.Check2->setChecked(true);
    EXPECT_FALSE(dialog.Command2Click());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Timer1->interval(), 250);
    // Registered mail and the documents are stored first, nothing else.
    EXPECT_EQ(f.state.print.RegisteredMail, 1);
    EXPECT_EQ(f.state.print.DisposalHistory, 0);
    QString seen;
    for (int tick = 0; tick < 10 && dialog.Timer1->isActive(); ++tick) {
        dialog.Timer1Timer();
        const int red = paintedRed(dialog.Check1[0]) + paintedRed(dialog.Check1[1]) +
                        paintedRed(dialog.Check1[2]);
        seen += red == 3 ? u'R' : red == 0 ? u'-' : u'?';
    }
    EXPECT_EQ(seen, QStringLiteral("R-R-R-R-R-"));
    EXPECT_FALSE(dialog.Timer1->isActive());
}

TEST(frmPrint, PrepaymentRulesActOnMouseReleaseOnly) {
    PrintFixture f;
    frmPrint dialog(f.state, f.prompter, f.clock, f.printers);
    dialog.show();
    click(dialog.Check5[1]);
    click(dialog.Check7[1]);
    EXPECT_FALSE(dialog.Check5[0]->isChecked());
    EXPECT_TRUE(dialog.Text2->isEnabled() && dialog.yearsWindowBackground());
    dialog.Text2->setText(QStringLiteral("4"));
    // The keyboard toggles the box and nothing else.
    for (const auto type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent space(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QApplication::sendEvent(dialog.Check7[0], &space);
    }
    EXPECT_TRUE(dialog.Check7[0]->isChecked() && dialog.Check7[1]->isChecked());
    EXPECT_EQ(dialog.Text2->text(), QStringLiteral("4"));
    // A click that unticks "無" still disables the period.
    click(dialog.Check5[0]);
    click(dialog.Check5[0]);
    EXPECT_FALSE(dialog.Check5[0]->isChecked() || dialog.Check7[0]->isEnabled());
    EXPECT_TRUE(dialog.Text2->text().isEmpty());
}

namespace {

// A main window that only notes the windows it is asked to close with itself.
struct MainWindow : MainWindowLink {
    QWidget widget;
    std::vector<QPointer<QWidget>> tracked;
    QWidget* mainWidget() override { return &widget; }
    void trackWindow(QWidget* window) override { tracked.emplace_back(window); }
    void DelGrid2Mem(int) override {}
    void DataSort() override {}
    void LimitCheck() override {}
};

} // namespace

TEST(frmPrint, WarnsWhileTheApplicationDateIsOutsideTheWindow) {
    PrintFixture f; // expiry 2027-03-17: window 2026-09-18..2027-02-17; today 2025-04-03
    frmPrint dialog(f.state, f.prompter, f.clock, f.printers);
    EXPECT_EQ(dialog.Label3->text(),
              QStringLiteral("申請期間外です（受付 令和8年9月18日～令和9年2月17日）"));
    dialog.UpDown1Click(0, +1);
    for (int i = 0; i < 6; ++i)
        dialog.UpDown1Click(1, +1); // 2026-10-03
    EXPECT_TRUE(dialog.Label3->text().isEmpty());
    // Printing goes on all the same.
    dialog.UpDown1Click(0, +1);
    EXPECT_FALSE(dialog.Label3->text().isEmpty());
    dialog.Check1[0]->setChecked(true);
    EXPECT_TRUE(dialog.Command2Click());
}

TEST(PrintOpener, OpensOnePreviewOverTheMainWindowWhichClosesItWithItself) {
    PrintFixture f;
    MainWindow main;
    // Answers the modal dialog once it runs: ticks the documents and prints, or cancels.
    const auto print = [&](std::vector<int> documents) {
        QTimer::singleShot(0, [documents] {
            auto* dialog = qobject_cast<frmPrint*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            for (int doc : documents)
                dialog->Check1[size_t(doc)]->setChecked(true);
            (documents.empty() ? dialog->Command3 : dialog->Command2)->click();
        });
        openPrint(f.state, f.prompter, f.clock, f.printers, main);
    };
    print({});
    EXPECT_TRUE(main.tracked.empty());
    print({1, 2});
    ASSERT_EQ(main.tracked.size(), 1u);
    EXPECT_TRUE(main.tracked[0]->isVisible());
    EXPECT_EQ(main.tracked[0]->parentWidget(), &main.widget);
    EXPECT_EQ(f.state.print.PreviewDoc, 1);
    // A second print replaces the first preview.
    print({0});
    ASSERT_EQ(main.tracked.size(), 2u);
    EXPECT_TRUE(main.tracked[1]->isVisible());
    EXPECT_TRUE(main.tracked[0].isNull() || !main.tracked[0]->isVisible());
    EXPECT_EQ(f.state.print.PreviewDoc, 0);
}
