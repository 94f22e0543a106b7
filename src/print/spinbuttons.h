#pragma once

#include <QWidget>

class QToolButton;

// A spin button without a value: an up and a down arrow, each click one step. The print
// dialog's date spinners keep their date in the text beside them, not in the control.
class SpinButtons final : public QWidget {
    Q_OBJECT
public:
    explicit SpinButtons(QWidget* parent = nullptr);

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

signals:
    // +1 for the up arrow, -1 for the down arrow.
    void stepped(int step);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* up_;
    QToolButton* down_;
};
