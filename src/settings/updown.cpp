#include "settings/updown.h"

#include "platform/gui/spinbutton.h"

#include <QKeyEvent>
#include <QResizeEvent>
#include <QToolButton>
#include <algorithm>

UpDown::UpDown(int minimum, int maximum, int increment, QWidget* parent)
    : QWidget(parent), minimum_(minimum), maximum_(std::max(minimum, maximum)),
      increment_(increment), value_(std::clamp(0, minimum_, maximum_)),
      arrows_(new SpinButton(this)) {
    setFocusPolicy(Qt::StrongFocus);
    // The focus stays here, with the value; the arrows only click.
    arrows_->setFocusPolicy(Qt::NoFocus);
    // The number is shown by a label elsewhere; a screen reader finds it here.
    setAccessibleDescription(QString::number(value_));
    connect(arrows_, &SpinButton::stepped, this, [this](int step) {
        if (step > 0)
            stepUp();
        else
            stepDown();
    });
}

QToolButton* UpDown::upButton() const {
    return arrows_->upButton();
}
QToolButton* UpDown::downButton() const {
    return arrows_->downButton();
}

void UpDown::setValue(int value) {
    value = std::clamp(value, minimum_, maximum_);
    if (value == value_)
        return;
    value_ = value;
    setAccessibleDescription(QString::number(value_));
    emit valueChanged(value_);
}

void UpDown::stepUp() {
    // In 64 bits, so that a step near the largest int cannot overflow.
    setValue(int(std::min<qint64>(qint64(value_) + increment_, maximum_)));
}

void UpDown::stepDown() {
    setValue(int(std::max<qint64>(qint64(value_) - increment_, minimum_)));
}

namespace {
// Room around the arrows for the focus mark.
constexpr int kFocusMargin = 1;
} // namespace

void UpDown::resizeEvent(QResizeEvent* event) {
    arrows_->setGeometry(rect().adjusted(kFocusMargin, kFocusMargin, -kFocusMargin, -kFocusMargin));
    QWidget::resizeEvent(event);
}

void UpDown::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    SpinButton::paintFocusMark(*this);
}

void UpDown::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void UpDown::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

void UpDown::keyPressEvent(QKeyEvent* event) {
    const int step = SpinButton::stepOfKey(event);
    if (step > 0)
        stepUp();
    else if (step < 0)
        stepDown();
    else
        QWidget::keyPressEvent(event);
}
