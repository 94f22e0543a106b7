#include "settings/updown.h"

#include <QApplication>
#include <QKeyEvent>
#include <QToolButton>
#include <gtest/gtest.h>
#include <vector>

namespace {

void press(QWidget* widget, int key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

} // namespace

TEST(UpDown, StepsByTheIncrementAndStopsAtBothEnds) {
    UpDown spin(-1000, 1000, 5);
    EXPECT_EQ(spin.value(), 0);
    std::vector<int> changes;
    QObject::connect(&spin, &UpDown::valueChanged, [&changes](int v) { changes.push_back(v); });

    spin.upButton()->click();
    spin.upButton()->click();
    EXPECT_EQ(spin.value(), 10);
    spin.downButton()->click();
    EXPECT_EQ(spin.value(), 5);

    spin.setValue(995);
    spin.upButton()->click();
    EXPECT_EQ(spin.value(), 1000);
    spin.upButton()->click();
    EXPECT_EQ(spin.value(), 1000);

    spin.setValue(-995);
    spin.downButton()->click();
    EXPECT_EQ(spin.value(), -1000);
    spin.downButton()->click();
    EXPECT_EQ(spin.value(), -1000);

    // Pressing at an end changes nothing and so tells nobody.
    EXPECT_EQ(changes, (std::vector<int>{5, 10, 5, 995, 1000, -995, -1000}));
}

TEST(UpDown, OddValuesStepToTheEndOfTheRangeAndOutsideValuesAreClamped) {
    UpDown spin(-1000, 1000, 5);
    spin.setValue(998);
    spin.stepUp();
    EXPECT_EQ(spin.value(), 1000);
    spin.setValue(-997);
    spin.stepDown();
    EXPECT_EQ(spin.value(), -1000);
    spin.setValue(3);
    spin.stepUp();
    EXPECT_EQ(spin.value(), 8);

    spin.setValue(5000);
    EXPECT_EQ(spin.value(), 1000);
    spin.setValue(-2147483647 - 1);
    EXPECT_EQ(spin.value(), -1000);

    // A range at the ends of int does not overflow when stepping.
    UpDown wide(-2147483647 - 1, 2147483647, 5);
    wide.setValue(2147483645);
    wide.stepUp();
    wide.stepUp();
    EXPECT_EQ(wide.value(), 2147483647);
    wide.setValue(-2147483647);
    wide.stepDown();
    EXPECT_EQ(wide.value(), -2147483647 - 1);
}

TEST(UpDown, ArrowKeysStepTheValue) {
    UpDown spin(-1000, 1000, 5);
    press(&spin, Qt::Key_Up);
    press(&spin, Qt::Key_Up);
    press(&spin, Qt::Key_Up);
    EXPECT_EQ(spin.value(), 15);
    press(&spin, Qt::Key_Down);
    EXPECT_EQ(spin.value(), 10);
    press(&spin, Qt::Key_Left);
    EXPECT_EQ(spin.value(), 10);
}
