#include "print/printdialog.h"
#include "print/releasecheckbox.h"
#include "printfixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
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

} // namespace

// One walk through the dialog: remembered answers, all "yes", come back in the controls beside
// the record and its bureau; "キャンセル" stores nothing; the prepayment boxes follow their rules
// on a mouse release; the warning line follows the date; "印　刷" with no document blinks, then
// stores what the controls say; a missing bureau file is reported.
TEST(PrintDialog, ShowsTheRecordAndTheAnswersAndStoresWhatTheControlsSayOnPrint) {
    PrintFixture f;
    PrintData& p = f.state.print;
    p.RegisteredMail = p.PrintDateFlag = p.DisposalHistory = p.PrepayAnswer = p.PrepayPeriod = 1;
    p.PrepayYears = QStringLiteral("3");
    p.PrintAppDate = QStringLiteral("令和7年5月3日");
    PrintDialog dialog(f.state, f.prompter, f.clock, f.printers);
    dialog.show();
    EXPECT_EQ(
        QStringList({dialog.Text1[0]->text(), dialog.Text1[2]->text(), dialog.Text1[13]->text(),
                     dialog.Text2->text(), f.state.bureau.AreaName, dialog.Combo1->currentText(),
                     dialog.Label3->text()}),
        QStringList({u"ＪＡ１ＡＢＣ"_s, u"関東総合通信局長　殿"_s, u"東京都千代田区九段南1-2-1"_s,
                     u"3"_s, u"関東総合通信局"_s, u"Printer A"_s,
                     u"申請期間外です（受付 令和8年9月18日～令和9年2月17日）"_s}));
    for (QCheckBox* box : std::initializer_list<QCheckBox*>{
             dialog.Check5[1], dialog.Check7[1], dialog.Check6, dialog.Check2, dialog.Check3,
             dialog.Check1[0], dialog.Check4})
        EXPECT_EQ(box->isChecked(), box != dialog.Check1[0] && box != dialog.Check4)
            << qPrintable(box->text());
    EXPECT_TRUE(dialog.Text2->isEnabled() && !dialog.yearsWindowBackground());
    // Boxes 5 to 15 are printed from the record: read-only. The applicant's boxes 10 to 15
    // form the right-hand column.
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(dialog.Text1[size_t(i)]->isReadOnly(), i >= 5) << i;
        EXPECT_EQ(dialog.Text1[size_t(i)]->x() > dialog.width() / 2, i >= 10) << i;
    }
    PrintDialog cancelled(f.state, f.prompter, f.clock, f.printers);
    cancelled.Check2->setChecked(false);
    cancelled.Command3->click();
    EXPECT_EQ(p.DisposalHistory, 1);

    click(dialog.Check7[0]); // the whole licence period empties the years
    EXPECT_FALSE(dialog.Check7[1]->isChecked() || dialog.Text2->isEnabled() ||
                 dialog.yearsWindowBackground() || !dialog.Text2->text().isEmpty());
    click(dialog.Check7[1]); // "その他" opens them, on the window background
    EXPECT_TRUE(dialog.Text2->isEnabled() && dialog.yearsWindowBackground());
    dialog.Text2->setText(QStringLiteral("4"));
    for (const auto type : {QEvent::KeyPress, QEvent::KeyRelease}) { // the keyboard only ticks
        QKeyEvent space(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QApplication::sendEvent(dialog.Check7[0], &space);
    }
    EXPECT_TRUE(dialog.Check7[0]->isChecked() && dialog.Check7[1]->isChecked() &&
                dialog.Text2->text() == u"4");
    click(dialog.Check5[0]); // "無" closes the period
    EXPECT_FALSE(dialog.Check5[1]->isChecked() || dialog.Check7[0]->isEnabled() ||
                 dialog.Check7[1]->isChecked() || !dialog.Text2->text().isEmpty());
    click(dialog.Check5[1]); // "有" opens it; the years wait for "その他"
    EXPECT_TRUE(!dialog.Check5[0]->isChecked() && dialog.Check7[0]->isEnabled() &&
                !dialog.Text2->isEnabled());

    // The warning goes once the date is inside the window, and printing goes on without.
    dialog.UpDown1Click(0, +1);
    for (int i = 0; i < 5; ++i)
        dialog.UpDown1Click(1, +1); // 2026-10-03
    EXPECT_TRUE(dialog.Label3->text().isEmpty());
    dialog.UpDown1Click(0, +1);
    EXPECT_FALSE(dialog.Label3->text().isEmpty());
    for (QCheckBox* box : {dialog.Check6, dialog.Check2, dialog.Check3})
        box->setChecked(false);
    dialog.Text1[2]->setText(QStringLiteral("関東総合通信局長　殿 "));
    // With no document ticked the print button blinks their boxes red five times, having stored
    // registered mail and the documents only.
    EXPECT_FALSE(dialog.Command2Click());
    EXPECT_TRUE(p.RegisteredMail == 0 && p.DisposalHistory == 1);
    QString seen;
    for (int tick = 0; tick < 10 && dialog.Timer1->isActive(); ++tick) {
        dialog.Timer1Timer();
        const QImage box = dialog.Check1[1]->grab().toImage();
        seen += box.pixel(box.width() - 2, box.height() / 2) == qRgb(255, 0, 0) ? u'R' : u'-';
    }
    EXPECT_EQ(seen, QStringLiteral("R-R-R-R-R-"));
    EXPECT_FALSE(dialog.Timer1->isActive());
    dialog.Check1[2]->setChecked(true);
    dialog.Command2->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(p.PrintDocs, (std::array<qint16, 5>{0, 0, 1, 0, 0}));
    EXPECT_EQ(QStringList({p.PrintDest, p.PrintAppDate, p.PrepayYears}),
              QStringList({u"関東総合通信局長　殿"_s, u"令和9年10月3日"_s, QString()}));
    // The period, ticked neither way, keeps its stored answer.
    EXPECT_EQ(std::vector<int>({p.RegisteredMail, p.PrintDateFlag, p.DisposalHistory,
                                p.PrepayAnswer, p.PrepayPeriod}),
              std::vector<int>({0, 0, 0, 1, 1}));

    // A missing bureau file is said once; the dialog opens all the same.
    QFile::remove(f.state.program.path(bureaufile::fileName()));
    f.prompter.nextAnswer(Prompter::Answer::Ok);
    PrintDialog again(f.state, f.prompter, f.clock, f.printers);
    EXPECT_EQ(f.prompter.messages(), std::vector<QString>{u"申請先データファイルが有りません"_s});
    EXPECT_TRUE(again.Text1[2]->text().isEmpty() && f.state.bureau.AreaName.isEmpty());
}
