// The spin button of the options dialog: steps, ends, keys and what a screen reader hears.
#include "settings/updown.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QToolButton>
#include <gtest/gtest.h>

TEST(UpDown, StepsByTheIncrementAndStopsAtBothEnds) {
    UpDown spin(-1000, 1000, 5);
    spin.resize(17, 20); // the arrows fill it, one above the other
    spin.show();
    const QRect up(spin.upButton()->mapTo(&spin, QPoint()), spin.upButton()->size());
    EXPECT_TRUE(spin.rect().contains(up) && up.height() >= 8) << up.width() << "x" << up.height();
    std::vector<int> changes;
    QObject::connect(&spin, &UpDown::valueChanged, [&changes](int v) { changes.push_back(v); });
    spin.upButton()->click();
    spin.setValue(998); // an odd value steps to the end of the range
    spin.upButton()->click();
    spin.upButton()->click(); // at the end: no change, and no signal
    spin.setValue(-2147483647 - 1);
    spin.downButton()->click();
    // Up and Space step up, Down and Shift+Space (-Key_Space here) down, other keys nothing.
    for (const int key : {int(Qt::Key_Up), int(Qt::Key_Down), int(Qt::Key_Space),
                          -int(Qt::Key_Space), int(Qt::Key_Left)}) {
        QKeyEvent event(QEvent::KeyPress, std::abs(key),
                        key < 0 ? Qt::ShiftModifier : Qt::NoModifier,
                        std::abs(key) == Qt::Key_Space ? u" "_qs : QString());
        QApplication::sendEvent(&spin, &event);
    }
    EXPECT_EQ(changes, (std::vector<int>{5, 998, 1000, -1000, -995, -1000, -995, -1000}));
    // A screen reader hears the value.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&spin)->text(QAccessible::Description),
              u"-1000"_qs);

    UpDown wide(-2147483647 - 1, 2147483647, 5); // steps never overflow
    wide.setValue(2147483645);
    wide.stepUp();
    EXPECT_EQ(wide.value(), 2147483647);
}
