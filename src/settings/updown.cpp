#include "settings/updown.h"

#include <QKeyEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QToolButton>
#include <algorithm>

UpDown::UpDown(int minimum, int maximum, int increment, QWidget* parent)
    : QWidget(parent), minimum_(minimum), maximum_(std::max(minimum, maximum)),
      increment_(increment), value_(std::clamp(0, minimum_, maximum_)), up_(new QToolButton(this)),
      down_(new QToolButton(this)) {
    setFocusPolicy(Qt::StrongFocus);
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* button : {up_, down_}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
    }
    connect(up_, &QToolButton::clicked, this, &UpDown::stepUp);
    connect(down_, &QToolButton::clicked, this, &UpDown::stepDown);
}

void UpDown::setValue(int value) {
    value = std::clamp(value, minimum_, maximum_);
    if (value == value_)
        return;
    value_ = value;
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
    const int w = event->size().width() - 2 * kFocusMargin;
    const int h = event->size().height() - 2 * kFocusMargin;
    up_->setGeometry(kFocusMargin, kFocusMargin, w, h / 2);
    down_->setGeometry(kFocusMargin, kFocusMargin + h / 2, w, h - h / 2);
    QWidget::resizeEvent(event);
}

void UpDown::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Highlight));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
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
    switch (event->key()) {
    case Qt::Key_Up:
        stepUp();
        break;
    case Qt::Key_Down:
        stepDown();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
