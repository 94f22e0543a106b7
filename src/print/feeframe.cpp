// The frame "電波使用料、電波法の処分履歴" shared by the print settings and batch print dialogs.
#include "print/feeframe.h"

#include "platform/gui/colours.h"
#include "platform/gui/twips.h"
#include "print/releasecheckbox.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

FeeFrame::FeeFrame(const QFont& boxFont, QWidget* parent)
    : QGroupBox(QStringLiteral("電波使用料、電波法の処分履歴"), parent) {
    setObjectName(QStringLiteral("FeeFrame"));
    const int dpi = parent ? parent->logicalDpiX() : logicalDpiX();
    const auto place = [dpi](QWidget* w, double left, double top, double width, double height) {
        twips::place(w, left, top, width, height, dpi);
    };
    const auto label = [this, &place](const QString& text, double left, double top, double width) {
        auto* l = new QLabel(text, this);
        place(l, left, top, width, 300);
        return l;
    };
    // The boxes "有", "無" and "その他" say little alone: a screen reader adds their heading.
    const QString answerHeading = QStringLiteral("電波利用料の前納の申出の有無");
    label(answerHeading, 180, 300, 3300);
    auto& answer = prepayAnswerChecks;
    answer[1] = new ReleaseCheckBox(QStringLiteral("有"), this);
    answer[1]->setObjectName(QStringLiteral("prepayYesCheck"));
    place(answer[1], 3600, 300, 800, 300);
    answer[0] = new ReleaseCheckBox(QStringLiteral("無"), this);
    answer[0]->setObjectName(QStringLiteral("prepayNoCheck"));
    place(answer[0], 4500, 300, 800, 300);
    const QString periodHeading = QStringLiteral("電波利用料の前納に係る期間");
    label(periodHeading, 180, 660, 3300);
    auto& period = prepayPeriodChecks;
    period[0] = new ReleaseCheckBox(QStringLiteral("免許の有効期間まで前納します。"), this);
    period[0]->setObjectName(QStringLiteral("prepayWholePeriodCheck"));
    place(period[0], 3600, 660, 3400, 300);
    period[1] = new ReleaseCheckBox(QStringLiteral("その他"), this);
    period[1]->setObjectName(QStringLiteral("prepayOtherPeriodCheck"));
    place(period[1], 7100, 660, 1000, 300);
    for (int i = 0; i < 2; ++i) {
        answer[size_t(i)]->setAccessibleDescription(answerHeading);
        period[size_t(i)]->setAccessibleDescription(periodHeading);
        connect(answer[size_t(i)], &ReleaseCheckBox::mouseReleased, this,
                [this, i] { prepayAnswerReleased(i); });
        connect(period[size_t(i)], &ReleaseCheckBox::mouseReleased, this,
                [this, i] { prepayPeriodReleased(i); });
    }
    prepayYearsBox = new QLineEdit(this);
    prepayYearsBox->setObjectName(QStringLiteral("prepayYearsBox"));
    prepayYearsBox->setFont(boxFont);
    place(prepayYearsBox, 8150, 645, 700, 330);
    // Read as the row reads: "その他 [n] 年分".
    label(QStringLiteral("年分"), 8940, 660, 700)->setBuddy(prepayYearsBox);
    prepayYearsBox->setAccessibleName(QStringLiteral("その他 年分"));
    disposalHistoryCheck = new QCheckBox(QStringLiteral("電波法での処分履歴がある"), this);
    disposalHistoryCheck->setObjectName(QStringLiteral("disposalHistoryCheck"));
    place(disposalHistoryCheck, 180, 1020, 4000, 300);
}

void FeeFrame::read(printfill::FormState& form) const {
    for (int i = 0; i < 2; ++i) {
        form.prepayAnswer[size_t(i)] = prepayAnswerChecks[size_t(i)]->isChecked();
        form.prepayPeriod[size_t(i)] = prepayPeriodChecks[size_t(i)]->isChecked();
    }
    form.periodEnabled = prepayPeriodChecks[0]->isEnabled();
    form.years = prepayYearsBox->text();
    form.yearsEnabled = prepayYearsBox->isEnabled();
    form.yearsWindowBackground = yearsWindowBackground_;
    form.disposalHistory = disposalHistoryCheck->isChecked();
}

void FeeFrame::show(const printfill::FormState& form) {
    for (int i = 0; i < 2; ++i) {
        prepayAnswerChecks[size_t(i)]->setChecked(form.prepayAnswer[size_t(i)]);
        prepayPeriodChecks[size_t(i)]->setChecked(form.prepayPeriod[size_t(i)]);
        prepayPeriodChecks[size_t(i)]->setEnabled(form.periodEnabled);
    }
    if (prepayYearsBox->text() != form.years)
        prepayYearsBox->setText(form.years);
    prepayYearsBox->setEnabled(form.yearsEnabled);
    yearsWindowBackground_ = form.yearsWindowBackground;
    colours::setBackground(prepayYearsBox, QPalette::Base,
                           form.yearsWindowBackground ? colours::kWindowBackground
                                                      : colours::kButtonFace);
    disposalHistoryCheck->setChecked(form.disposalHistory);
}

void FeeFrame::prepayAnswerReleased(int index) {
    printfill::FormState form;
    read(form);
    printfill::prepayAnswerReleased(form, index);
    show(form);
}

void FeeFrame::prepayPeriodReleased(int index) {
    printfill::FormState form;
    read(form);
    printfill::prepayPeriodReleased(form, index);
    show(form);
    if (index == 1)
        prepayYearsBox->setFocus();
}
