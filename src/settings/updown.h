#pragma once

#include <QWidget>

class QToolButton;
class SpinButton;

// A spin button that holds its value: the arrows of SpinButton, and the same keys (Up or Space
// up, Down or Shift+Space down), step the value by the increment within the range. It shows no
// number itself; a label beside it follows valueChanged().
class UpDown final : public QWidget {
    Q_OBJECT
public:
    UpDown(int minimum, int maximum, int increment, QWidget* parent = nullptr);

    int value() const { return value_; }
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    int increment() const { return increment_; }

    // Values outside the range are brought to its nearer end.
    void setValue(int value);
    // One step up or down; the value stops at the ends of the range.
    void stepUp();
    void stepDown();

    QToolButton* upButton() const;
    QToolButton* downButton() const;

signals:
    void valueChanged(int value);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int minimum_;
    int maximum_;
    int increment_;
    int value_;
    SpinButton* arrows_;
};
