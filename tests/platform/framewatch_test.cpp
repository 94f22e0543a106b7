#include "platform/gui/framewatch.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <vector>

// A window manager may frame a window only after it is shown. The fit runs at the first show,
// once more when the frame is known, and then no more, so that the user can move the window.
TEST(WhenFramed, FitsAtTheFirstShowAndOnceMoreWhenTheFrameArrives) {
    QWidget window(nullptr, Qt::FramelessWindowHint);
    std::vector<bool> framedAtFit;
    whenFramed(&window, [&window, &framedAtFit] {
        framedAtFit.push_back(window.frameGeometry() != window.geometry());
        window.move(40, 30); // fitting moves the window: that must not fit again
    });
    window.show();
    EXPECT_EQ(framedAtFit, std::vector<bool>{false});

    window.setWindowFlags(Qt::Window); // the frame arrives
    window.show();
    window.move(70, 80);
    EXPECT_EQ(framedAtFit, (std::vector<bool>{false, true}));
    EXPECT_NE(window.frameGeometry(), window.geometry());
    window.move(90, 100);
    EXPECT_EQ(framedAtFit, (std::vector<bool>{false, true}));
}
