#include "platform/gui/fonts.h"
#include "print/core/pagesize.h"
#include "print/core/paintersurface.h"
#include "print/core/recordingsurface.h"
#include "support/tempfolder.h"

#include <QFontInfo>
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

TEST(Surface, NamedFacesAreSubstitutedAndMeasureOneEmHigh) {
    fonts::installSubstitutions();
    EXPECT_EQ(QFontInfo(QFont(fonts::mincho())).family(), QStringLiteral("IPAMincho"));
    EXPECT_EQ(QFontInfo(QFont(fonts::gothic())).family(), QStringLiteral("IPAGothic"));
    EXPECT_EQ(QFontInfo(QFont(fonts::proportionalGothic())).family(), QStringLiteral("IPAPGothic"));
    // In twips: half-width glyphs are half an em, and the named face is one em high although
    // its substitute is taller.
    RecordingSurface surface(pagesize::a4());
    surface.setFontSize(11);
    EXPECT_DOUBLE_EQ(surface.textWidth(QStringLiteral(u"M申請書")), 110 + 660);
    EXPECT_DOUBLE_EQ(surface.textHeight(QStringLiteral("M")), 220);
    surface.setFontName(QStringLiteral("IPAMincho"));
    EXPECT_GT(surface.textHeight(QStringLiteral("M")), 1.05 * 220);
}

TEST(Surface, ScaleMapsUserUnitsOntoThePage) {
    fonts::installSubstitutions();
    RecordingSurface surface(QSizeF(1000, 2000));
    surface.setScale(-250, -500, 1000, 2000);
    EXPECT_EQ(surface.toTwips({0, 0}), QPointF(200, 400));
    EXPECT_EQ(surface.toTwips({1000, 2000}), QPointF(1000, 2000));
    surface.setFontSize(10); // "M": 100 × 200 twips, 125 × 250 units
    EXPECT_DOUBLE_EQ(surface.textWidth(QStringLiteral("M")), 125);
    EXPECT_DOUBLE_EQ(surface.textHeight(QStringLiteral("M")), 250);
    surface.setScale(5, 5, 5, 10); // no extent: refused
    EXPECT_EQ(surface.toTwips({0, 0}), QPointF(200, 400));
}

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
