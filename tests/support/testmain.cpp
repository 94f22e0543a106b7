#include <QApplication>
#include <gtest/gtest.h>

// One QApplication for every test executable. Every test runs in the same environment, whatever
// the machine's: no display needed, Japanese, and Japan's time zone.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LANG", "ja_JP.UTF-8");
    qputenv("LC_ALL", "C.UTF-8");
    qputenv("TZ", "Asia/Tokyo");
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
