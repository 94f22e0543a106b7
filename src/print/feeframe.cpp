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
        w->setGeometry(twips::toPixels(left, dpi), twips::toPixels(top, dpi),
                       twips::toPixels(width, dpi), twips::toPixels(height, dpi));
    };
    const auto label = [this, &place](const QString& text, double left, double top, double width) {
        place(new QLabel(text, this), left, top, width, 300);
    };
    label(QStringLiteral("電波利用料の前納の申出の有無"), 180, 300, 3300);
    Check5[1] = new ReleaseCheckBox(QStringLiteral("有"), this);
    place(Check5[1], 3600, 300, 800, 300);
    Check5[0] = new ReleaseCheckBox(QStringLiteral("無"), this);
    place(Check5[0], 4500, 300, 800, 300);
    label(QStringLiteral("電波利用料の前納に係る期間"), 180, 660, 3300);
    Check7[0] = new ReleaseCheckBox(QStringLiteral("免許の有効期間まで前納します。"), this);
    place(Check7[0], 3600, 660, 3400, 300);
    Check7[1] = new ReleaseCheckBox(QStringLiteral("その他"), this);
    place(Check7[1], 7100, 660, 1000, 300);
    for (int i = 0; i < 2; ++i) {
        Check5[size_t(i)]->setObjectName(QStringLiteral("Check5_%1").arg(i));
        Check7[size_t(i)]->setObjectName(QStringLiteral("Check7_%1").arg(i));
        connect(Check5[size_t(i)], &ReleaseCheckBox::mouseReleased, this,
                [this, i] { Check5MouseUp(i); });
        connect(Check7[size_t(i)], &ReleaseCheckBox::mouseReleased, this,
                [this, i] { Check7MouseUp(i); });
    }
    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setFont(boxFont);
    place(Text2, 8150, 645, 700, 330);
    label(QStringLiteral("年分"), 8940, 660, 700);
    Check2 = new QCheckBox(QStringLiteral("電波法での処分履歴がある"), this);
    Check2->setObjectName(QStringLiteral("Check2"));
    place(Check2, 180, 1020, 4000, 300);
}

void FeeFrame::read(printfill::FormState& form) const {
    for (int i = 0; i < 2; ++i) {
        form.prepayAnswer[size_t(i)] = Check5[size_t(i)]->isChecked();
        form.prepayPeriod[size_t(i)] = Check7[size_t(i)]->isChecked();
    }
    form.periodEnabled = Check7[0]->isEnabled();
    form.years = Text2->text();
    form.yearsEnabled = Text2->isEnabled();
    form.yearsWindowBackground = yearsWindowBackground_;
    form.disposalHistory = Check2->isChecked();
}

void FeeFrame::show(const printfill::FormState& form) {
    for (int i = 0; i < 2; ++i) {
        Check5[size_t(i)]->setChecked(form.prepayAnswer[size_t(i)]);
        Check7[size_t(i)]->setChecked(form.prepayPeriod[size_t(i)]);
        Check7[size_t(i)]->setEnabled(form.periodEnabled);
    }
    if (Text2->text() != form.years)
        Text2->setText(form.years);
    Text2->setEnabled(form.yearsEnabled);
    yearsWindowBackground_ = form.yearsWindowBackground;
    colours::setBackground(Text2, QPalette::Base,
                           form.yearsWindowBackground ? colours::kWindowBackground
                                                      : colours::kButtonFace);
    Check2->setChecked(form.disposalHistory);
}

void FeeFrame::Check5MouseUp(int index) {
    printfill::FormState form;
    read(form);
    printfill::prepayAnswerReleased(form, index);
    show(form);
}

void FeeFrame::Check7MouseUp(int index) {
    printfill::FormState form;
    read(form);
    printfill::prepayPeriodReleased(form, index);
    show(form);
    if (index == 1)
        Text2->setFocus();
}
