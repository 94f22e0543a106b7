#pragma once

#include <QWidget>

class QKeyEvent;
class QToolButton;

// A spin button that holds no value of its own: an up arrow above a down arrow, each click one
// step. The entry and print dialogs keep the date it steps in the text beside it.
//
// It takes the focus with Tab; then Up or Space steps up, Down or Shift+Space steps down.
class SpinButton final : public QWidget {
    Q_OBJECT
public:
    explicit SpinButton(QWidget* parent = nullptr);

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

    // The step a key press asks of a spin button: +1, -1, or 0 for a key that does not step.
    static int stepOfKey(const QKeyEvent* event);
    // The frame a focused spin button draws round itself (the options dialog's too).
    static void paintFocusMark(QWidget& widget);

signals:
    // +1 for the up arrow, -1 for the down arrow.
    void stepped(int step);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QToolButton* up_;
    QToolButton* down_;
};
