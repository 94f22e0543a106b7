#include "platform/gui/spinbutton.h"

#include <QKeyEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QToolButton>

namespace {
// Room around the arrows for the focus mark, when the spin button takes the focus itself.
constexpr int kFocusMargin = 1;
} // namespace

SpinButton::SpinButton(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
    setFocusPolicy(Qt::StrongFocus);
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    // The arrows show no text; a screen reader reads these.
    up_->setAccessibleName(QStringLiteral(u"増やす"));
    down_->setAccessibleName(QStringLiteral(u"減らす"));
    for (QToolButton* button : {up_, down_}) {
        // Held down, an arrow keeps stepping, as the platform's spin buttons do.
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
    }
    connect(up_, &QToolButton::clicked, this, [this] { emit stepped(1); });
    connect(down_, &QToolButton::clicked, this, [this] { emit stepped(-1); });
}

int SpinButton::stepOfKey(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
        return 1;
    case Qt::Key_Down:
        return -1;
    case Qt::Key_Space: {
        const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
        if (modifiers == Qt::NoModifier)
            return 1;
        return modifiers == Qt::ShiftModifier ? -1 : 0;
    }
    default:
        return 0;
    }
}

void SpinButton::resizeEvent(QResizeEvent* event) {
    // A spin button inside another control that keeps the focus (UpDown) has no mark to leave
    // room for.
    const int margin = focusPolicy() == Qt::NoFocus ? 0 : kFocusMargin;
    const QRect area = QRect(QPoint(), event->size()).adjusted(margin, margin, -margin, -margin);
    const int half = area.height() / 2;
    up_->setGeometry(area.left(), area.top(), area.width(), half);
    down_->setGeometry(area.left(), area.top() + half, area.width(), area.height() - half);
    QWidget::resizeEvent(event);
}

void SpinButton::paintFocusMark(QWidget& widget) {
    if (!widget.hasFocus())
        return;
    QPainter painter(&widget);
    painter.setPen(widget.palette().color(QPalette::Highlight));
    painter.drawRect(widget.rect().adjusted(0, 0, -1, -1));
}

void SpinButton::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    paintFocusMark(*this);
}

void SpinButton::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void SpinButton::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

void SpinButton::keyPressEvent(QKeyEvent* event) {
    if (const int step = stepOfKey(event); step != 0) {
        emit stepped(step);
        return;
    }
    QWidget::keyPressEvent(event);
}
