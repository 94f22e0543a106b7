#pragma once

#include <QCheckBox>

// A check box that also reports a mouse button released over it. The prepayment boxes act on
// that release alone; toggling with the keyboard changes only the box itself.
class ReleaseCheckBox final : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

signals:
    void mouseReleased();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
