#include "platform/gui/fonts.h"
#include "print/core/pagesize.h"
#include "print/core/paintersurface.h"
#include "support/tempfolder.h"

#include <QPdfWriter>
#include <gtest/gtest.h>

namespace {

// Pixels of image that differ from white inside rect.
int inkInside(const QImage& image, const QRect& rect) {
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            count += image.pixel(x, y) != qRgb(255, 255, 255);
    return count;
}

// How the named faces measure and how the scale maps a page show in the layouts' golden files
// (their grids and corners).

TEST(Surface, PainterDrawsAtTheRealSizeOfThePage) {
    fonts::installSubstitutions();
    const QSizeF page(1440, 1440); // one inch, at 100 dpi: one unit per pixel
    QImage image = pagesize::pageImage(page, 100);
    ASSERT_EQ(image.size(), QSize(100, 100));
    {
        PainterSurface surface(image, page);
        surface.setScale(0, 0, 100, 100);
        surface.line(10, 10, 90, 10, 0x0000FF); // red
        surface.setForeColor(0xFF0000);         // blue
        surface.setFontSize(14.4);              // 20 pixels
        surface.setCurrentX(20);
        surface.setCurrentY(50);
        surface.print(QStringLiteral(u"■"));
    }
    EXPECT_EQ(image.pixel(50, 10), qRgb(255, 0, 0));
    EXPECT_EQ(inkInside(image, QRect(0, 0, 100, 8)), 0);
    // The full-width square fills its one-em cell, 20 × 20 pixels from (20, 50), and no more.
    const int inside = inkInside(image, QRect(20, 50, 20, 20));
    EXPECT_GT(inside, 150);
    EXPECT_EQ(inkInside(image, QRect(0, 15, 100, 85)), inside);
    EXPECT_EQ(qBlue(image.pixel(30, 60)), 255);
    PainterSurface(image, page).erase();
    EXPECT_EQ(inkInside(image, image.rect()), 0);
}

TEST(Surface, PainterOnADeviceThatCannotStartDrawsNothingAndDoesNotFail) {
    TempFolder folder;
    QPdfWriter nowhere(folder.file(QStringLiteral("missing/page.pdf")));
    PainterSurface surface(nowhere, pagesize::a4());
    EXPECT_FALSE(surface.isActive());
    surface.print(QStringLiteral("x"));
    EXPECT_TRUE(surface.finish());
}

} // namespace
