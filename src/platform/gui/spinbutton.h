#pragma once

#include <QWidget>

class QToolButton;

// A spin button that holds no value of its own: an up arrow above a down arrow, each click one
// step. The entry and print dialogs keep the date it steps in the text beside it.
class SpinButton final : public QWidget {
    Q_OBJECT
public:
    explicit SpinButton(QWidget* parent = nullptr);

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
