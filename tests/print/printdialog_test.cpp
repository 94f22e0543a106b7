#include "platform/gui/spinbutton.h"
#include "print/printdialog.h"
#include "print/releasecheckbox.h"
#include "printfixture.h"
#include "support/typedate.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
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
        QStringList({dialog.dataBoxes[0]->text(), dialog.dataBoxes[2]->text(),
                     dialog.dataBoxes[13]->text(), dialog.prepayYearsBox->text(),
                     f.state.bureau.AreaName, dialog.printerBox->currentText(),
                     dialog.windowWarningLabel->text()}),
        QStringList({u"ＪＡ１ＡＢＣ"_s, u"関東総合通信局長　殿"_s, u"東京都千代田区九段南1-2-1"_s,
                     u"3"_s, u"関東総合通信局"_s, u"Printer A"_s,
                     u"申請期間外です（受付 令和8年9月18日～令和9年2月17日）"_s}));
    for (QCheckBox* box : std::initializer_list<QCheckBox*>{
             dialog.prepayAnswerChecks[1], dialog.prepayPeriodChecks[1],
             dialog.printApplicationDateCheck, dialog.disposalHistoryCheck,
             dialog.registeredMailCheck, dialog.documentChecks[0], dialog.clubStationCheck})
        EXPECT_EQ(box->isChecked(),
                  box != dialog.documentChecks[0] && box != dialog.clubStationCheck)
            << qPrintable(box->text());
    EXPECT_TRUE(dialog.prepayYearsBox->isEnabled() && !dialog.yearsWindowBackground());
    for (int i = 0; i < 16; ++i) // boxes 5 to 15 are printed from the record
        EXPECT_EQ(dialog.dataBoxes[size_t(i)]->isReadOnly(), i >= 5) << i;
    PrintDialog cancelled(f.state, f.prompter, f.clock, f.printers);
    cancelled.disposalHistoryCheck->setChecked(false);
    cancelled.cancelButton->click();
    EXPECT_EQ(p.DisposalHistory, 1);

    click(dialog.prepayPeriodChecks[0]); // the whole licence period empties the years
    EXPECT_FALSE(dialog.prepayPeriodChecks[1]->isChecked() || dialog.prepayYearsBox->isEnabled() ||
                 dialog.yearsWindowBackground() || !dialog.prepayYearsBox->text().isEmpty());
    click(dialog.prepayPeriodChecks[1]); // "その他" opens them, on the window background
    EXPECT_TRUE(dialog.prepayYearsBox->isEnabled() && dialog.yearsWindowBackground());
    dialog.prepayYearsBox->setText(QStringLiteral("4"));
    for (const auto type : {QEvent::KeyPress, QEvent::KeyRelease}) { // the keyboard only ticks
        QKeyEvent space(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QApplication::sendEvent(dialog.prepayPeriodChecks[0], &space);
    }
    EXPECT_TRUE(dialog.prepayPeriodChecks[0]->isChecked() &&
                dialog.prepayPeriodChecks[1]->isChecked() && dialog.prepayYearsBox->text() == u"4");
    click(dialog.prepayAnswerChecks[0]); // "無" closes the period
    EXPECT_FALSE(
        dialog.prepayAnswerChecks[1]->isChecked() || dialog.prepayPeriodChecks[0]->isEnabled() ||
        dialog.prepayPeriodChecks[1]->isChecked() || !dialog.prepayYearsBox->text().isEmpty());
    click(dialog.prepayAnswerChecks[1]); // "有" opens it; the years wait for "その他"
    EXPECT_TRUE(!dialog.prepayAnswerChecks[0]->isChecked() &&
                dialog.prepayPeriodChecks[0]->isEnabled() && !dialog.prepayYearsBox->isEnabled());

    dialog.stepApplicationDate(0, +2); // outside the window: printing goes on all the same
    for (QCheckBox* box : {dialog.printApplicationDateCheck, dialog.disposalHistoryCheck,
                           dialog.registeredMailCheck})
        box->setChecked(false);
    dialog.dataBoxes[2]->setText(QStringLiteral("関東総合通信局長　殿 "));
    // With no document ticked the print button blinks their boxes red five times, having stored
    // registered mail and the documents only.
    EXPECT_FALSE(dialog.onPrintClicked());
    EXPECT_TRUE(p.RegisteredMail == 0 && p.DisposalHistory == 1);
    int ticks = 0;
    for (; ticks < 20 && dialog.blinkTimer->isActive(); ++ticks)
        dialog.blinkTick();
    EXPECT_EQ(ticks, 10);
    dialog.documentChecks[2]->setChecked(true);
    dialog.printButton->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(p.PrintDocs, (std::array<qint16, 5>{0, 0, 1, 0, 0}));
    EXPECT_EQ(QStringList({p.PrintDest, p.PrintAppDate, p.PrepayYears}),
              QStringList({u"関東総合通信局長　殿"_s, u"令和9年5月3日"_s, QString()}));
    // The period, ticked neither way, keeps its stored answer.
    EXPECT_EQ(std::vector<int>({p.RegisteredMail, p.PrintDateFlag, p.DisposalHistory,
                                p.PrepayAnswer, p.PrepayPeriod}),
              std::vector<int>({0, 0, 0, 1, 1}));

    // A missing bureau file is said once; the dialog opens all the same.
    QFile::remove(f.state.program.path(bureaufile::fileName()));
    f.prompter.nextAnswer(Prompter::Answer::Ok);
    PrintDialog again(f.state, f.prompter, f.clock, f.printers);
    EXPECT_EQ(f.prompter.messages(), std::vector<QString>{u"申請先データファイルが有りません"_s});
    EXPECT_TRUE(again.dataBoxes[2]->text().isEmpty() && f.state.bureau.AreaName.isEmpty());
}

// A screen reader names each box by its caption, with the applicant's column said as such; the
// date display gives its date as the description.
TEST(PrintDialog, NamesEveryBoxByItsCaptionAndTakesATypedApplicationDate) {
    PrintFixture f;
    PrintDialog dialog(f.state, f.prompter, f.clock, f.printers);
    const std::vector<std::pair<const char*, QString>> names{
        {"callSignBox", u"ｺｰﾙｻｲﾝ"_s},
        {"licenceNoBox", u"免許番号"_s},
        {"destinationBox", u"提出先"_s},
        {"licenceDateBox", u"免許年月日"_s},
        {"expiryBox", u"免許期限"_s},
        {"clubNameBox", u"クラブ局名"_s},
        {"clubKanaBox", u"ﾌﾘｶﾞﾅ"_s},
        {"stationZipBox", u"郵便番号"_s},
        {"stationAddr1Box", u"設(常)置場所１"_s},
        {"stationAddr2Box", u"設(常)置場所2"_s},
        {"applicantNameBox", u"申請者 氏名"_s},
        {"applicantKanaBox", u"申請者 フリガナ"_s},
        {"applicantZipBox", u"申請者 郵便番号"_s},
        {"applicantAddr1Box", u"申請者 住所１"_s},
        {"applicantAddr2Box", u"申請者 住所2"_s},
        {"applicantTelBox", u"申請者 電話番号"_s},
        {"applicationDateDisplay", u"申請日"_s},
        {"yearSpinButton", u"申請日 年"_s},
        {"monthSpinButton", u"申請日 月"_s},
        {"daySpinButton", u"申請日 日"_s},
        {"prepayYearsBox", u"その他 年分"_s},
        {"printerBox", u"プリンター"_s}};
    for (const auto& [name, spoken] : names) {
        auto* widget = dialog.findChild<QWidget*>(QLatin1String(name));
        ASSERT_TRUE(widget) << name;
        EXPECT_EQ(spokenName(widget), spoken) << name;
    }
    EXPECT_EQ(dialog.applicationDateDisplay->accessibleDescription(), u"令和7年04月03日"_s);

    // A typed application date is shown and stored "ggge年m月d日" as a
    // step writes it and moves the window warning; a day that does not exist is refused with
    // its message and the date before stays; the spin buttons step on from a typed date.
    typeDate(dialog.applicationDateDisplay, u"ｒ８．１０．３"_s); // the other forms: tests/record
    dialog.storePrintData();
    EXPECT_EQ(f.state.print.PrintAppDate, u"令和8年10月3日"_s);
    EXPECT_TRUE(dialog.windowWarningLabel->text().isEmpty()); // inside the window
    f.prompter.nextAnswer(Prompter::Answer::Ok);
    typeDate(dialog.applicationDateDisplay, u"2026-02-30"_s);
    EXPECT_EQ(f.prompter.messages(),
              std::vector<QString>{u"「2026-02-30」という日はありません。"_s});
    EXPECT_EQ(dialog.applicationDateDisplay->text(), u"令和8年10月3日"_s);
    typeDate(dialog.applicationDateDisplay, u"2026-01-31"_s, false);
    dialog.applicationDateSpinButtons[1]->upButton()->click();
    EXPECT_EQ(dialog.applicationDateDisplay->text(), u"令和8年2月28日"_s);
    EXPECT_EQ(dialog.applicationDateDisplay->accessibleDescription(), u"令和8年2月28日"_s);
}

// "印　刷" with the application form ticked asks before a form goes out without the applicant's
// name or address; いいえ stays in the dialog. Either address line is an address, and spaces
// print as nothing.
TEST(PrintDialog, AsksBeforePrintingAFormWithoutTheApplicantsNameOrAddress) {
    struct Case {
        const char16_t *name, *addr1, *addr2;
        bool form, asked;
    };
    const Case cases[] = {
        {u"山田太郎", u"東京都", u"", true, false}, {u"", u"東京都", u"", true, true},
        {u"山田太郎", u"", u"", true, true},        {u"山田太郎", u"", u"九段", true, false},
        {u"\u3000", u"東京都", u"", true, true},    {u"", u"", u"", false, false},
    };
    bool saidNo = false; // the questions answered いいえ and はい in turn
    for (const Case& c : cases) {
        PrintFixture f;
        StationRecord r = f.state.store.record(1);
        r.set(Field::ApplicantName, c.name);
        r.set(Field::ApplicantAddr1, c.addr1);
        r.set(Field::ApplicantAddr2, c.addr2);
        f.state.store.replace(1, r);
        PrintDialog dialog(f.state, f.prompter, f.clock, f.printers);
        dialog.documentChecks[0]->setChecked(c.form);
        dialog.documentChecks[1]->setChecked(true);
        if (c.asked)
            f.prompter.nextAnswer((saidNo = !saidNo) ? Prompter::Answer::No
                                                     : Prompter::Answer::Yes);
        const bool printed = !c.asked || !saidNo;
        EXPECT_EQ(dialog.onPrintClicked(), printed) << qPrintable(QString::fromUtf16(c.name));
        EXPECT_EQ(dialog.result(), printed ? QDialog::Accepted : QDialog::Rejected);
        ASSERT_EQ(f.prompter.messages().size(), size_t(c.asked));
        if (c.asked) {
            EXPECT_EQ(f.prompter.lastMessage()->text,
                      u"申請者の氏名または住所が空欄です。このまま印刷しますか？"_s);
            EXPECT_EQ(f.prompter.lastMessage()->defaultAnswer, Prompter::Answer::No);
        }
    }
}
