#include "settings/appicon.h"

#include <QFile>
#include <QImage>
#include <QSet>
#include <gtest/gtest.h>

TEST(AppIcon, IsBuiltInAndRendersLegiblyFromSmallToLarge) {
    QFile svg(appIconPath());
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("<svg"));

    const QIcon icon = appIcon();
    ASSERT_FALSE(icon.isNull());
    for (const int size : {16, 32, 256}) {
        const QImage image = icon.pixmap(size, size).toImage();
        ASSERT_EQ(image.size(), QSize(size, size)) << size;
        // Drawn to the corners' rounding: transparent corners, many colours inside.
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255) << size;
        QSet<QRgb> colours;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x)
                colours.insert(image.pixel(x, y));
        }
        EXPECT_GE(colours.size(), 5) << size;
    }
}
