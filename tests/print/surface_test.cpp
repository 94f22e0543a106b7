#include "platform/gui/fonts.h"
#include "print/core/pagesize.h"
#include "print/core/paintersurface.h"
#include "print/core/recordingsurface.h"
#include "support/tempfolder.h"

#include <QFile>
#include <QFontInfo>
#include <QImage>
#include <QPdfWriter>
#include <gtest/gtest.h>

namespace {

class SurfaceTest : public testing::Test {
protected:
    void SetUp() override { fonts::installSubstitutions(); }
};

// Pixels of image that differ from white inside rect.
int inkInside(const QImage& image, const QRect& rect) {
    int count = 0;
    const QRect area = rect.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                ++count;
    return count;
}

TEST_F(SurfaceTest, SubstitutesTheNamedFacesOnceAndReportsTheirDesignedHeight) {
    fonts::installSubstitutions();
    fonts::installSubstitutions();
    EXPECT_EQ(QFont::substitutes(fonts::mincho()),
              QStringList{QStringLiteral("IPAMincho").toLower()});
    EXPECT_EQ(QFontInfo(QFont(fonts::mincho())).family(), QStringLiteral("IPAMincho"));
    EXPECT_EQ(QFontInfo(QFont(fonts::gothic())).family(), QStringLiteral("IPAGothic"));
    EXPECT_EQ(QFontInfo(QFont(fonts::proportionalGothic())).family(), QStringLiteral("IPAPGothic"));

    EXPECT_EQ(fonts::designedLineHeightEm(fonts::mincho()), 1.0);
    EXPECT_EQ(fonts::designedLineHeightEm(QStringLiteral("DejaVu Sans")), std::nullopt);

    // In twips (the scale before setScale): half-width glyphs are half an em, and the named
    // face is one em high although its substitute is taller.
    RecordingSurface surface(pagesize::a4());
    surface.setFontName(fonts::mincho());
    surface.setFontSize(11);
    EXPECT_DOUBLE_EQ(surface.textWidth(QStringLiteral("M")), 110);
    EXPECT_DOUBLE_EQ(surface.textHeight(QStringLiteral("M")), 220);
    EXPECT_DOUBLE_EQ(surface.textWidth(QStringLiteral(u"申請書")), 3 * 220);
    surface.setFontName(QStringLiteral("IPAMincho"));
    EXPECT_GT(surface.textHeight(QStringLiteral("M")), 1.05 * 220);
}

TEST_F(SurfaceTest, ScaleMapsUserUnitsOntoThePage) {
    RecordingSurface surface(QSizeF(11906, 16838));
    EXPECT_DOUBLE_EQ(surface.widthTwips(), 11906);
    EXPECT_DOUBLE_EQ(surface.heightTwips(), 16838);

    surface.setScale(-1100, -700, 11906, 16838);
    EXPECT_NEAR(surface.toTwips({0, 0}).x(), 1100.0 * 11906 / 13006, 1e-9);
    EXPECT_NEAR(surface.toTwips({0, 0}).y(), 700.0 * 16838 / 17538, 1e-9);
    EXPECT_NEAR(surface.toTwips({11906, 16838}).x(), 11906, 1e-9);
    // Measured sizes follow the scale: "M" at 11 points is 110 twips, 120.16 units here.
    surface.setFontSize(11);
    EXPECT_NEAR(surface.textWidth(QStringLiteral("M")), 110.0 * 13006 / 11906, 1e-9);
    EXPECT_NEAR(surface.textHeight(QStringLiteral("M")), 220.0 * 17538 / 16838, 1e-9);

    // A scale without extent is refused; the previous one stays.
    surface.setScale(5, 5, 5, 10);
    EXPECT_NEAR(surface.toTwips({0, 0}).x(), 1100.0 * 11906 / 13006, 1e-9);

    // Reversed axes work as well.
    surface.setScale(0, 100, 100, 0);
    EXPECT_NEAR(surface.toTwips({25, 25}).y(), 0.75 * 16838, 1e-9);
}

TEST_F(SurfaceTest, PrintMovesTheCurrentPositionAlongOrDownALine) {
    RecordingSurface surface(pagesize::a4());
    surface.setScale(-100, -50, 11906, 16838);
    surface.setFontSize(10);
    const double cell = surface.textWidth(QStringLiteral("M"));
    const double line = surface.textHeight(QStringLiteral("M"));

    surface.setCurrentX(300);
    surface.setCurrentY(400);
    surface.setForeColor(0x0000FF);
    surface.print(QStringLiteral("AB"), true);
    EXPECT_DOUBLE_EQ(surface.currentX(), 300 + 2 * cell);
    EXPECT_DOUBLE_EQ(surface.currentY(), 400);
    surface.setFontStrikethru(true);
    surface.print(QStringLiteral("C"));
    EXPECT_DOUBLE_EQ(surface.currentX(), -100); // back to the page's left edge
    EXPECT_DOUBLE_EQ(surface.currentY(), 400 + line);

    const auto& elements = surface.elements();
    ASSERT_EQ(elements.size(), 2u);
    EXPECT_EQ(elements[0].kind, PageElement::Kind::Text);
    EXPECT_EQ(elements[0].text, QStringLiteral("AB"));
    EXPECT_EQ(elements[0].from, QPointF(300, 400));
    EXPECT_EQ(elements[0].to, QPointF(300 + 2 * cell, 400 + line));
    EXPECT_EQ(elements[0].colour, 0x0000FFu);
    EXPECT_EQ(elements[0].fontSize, 10);
    EXPECT_FALSE(elements[0].strikethru);
    EXPECT_EQ(elements[1].from, QPointF(300 + 2 * cell, 400));
    EXPECT_TRUE(elements[1].strikethru);

    // An empty text is kept in the list, measures nothing wide and still ends its line.
    surface.print(QString());
    EXPECT_EQ(elements.size(), 3u);
    EXPECT_EQ(elements[2].from, elements[2].to - QPointF(0, line));
}

TEST_F(SurfaceTest, LinesCarryWidthStyleAndColourAndLeaveThePositionAtTheirEnd) {
    RecordingSurface surface(pagesize::a4());
    surface.setForeColor(0x123456);
    surface.setDrawWidth(3);
    surface.line(10, 20, 30, 40);
    surface.setDrawWidth(0); // never thinner than one pixel
    surface.setDrawStyle(DrawingSurface::DrawStyle::Dot);
    surface.line(1, 2, 3, 4, 0xC0C0C0, true);
    EXPECT_EQ(surface.currentX(), 3);
    EXPECT_EQ(surface.currentY(), 4);

    const auto& elements = surface.elements();
    ASSERT_EQ(elements.size(), 2u);
    EXPECT_EQ(elements[0].kind, PageElement::Kind::Line);
    EXPECT_EQ(elements[0].colour, 0x123456u);
    EXPECT_EQ(elements[0].drawWidth, 3);
    EXPECT_EQ(elements[0].drawStyle, DrawingSurface::DrawStyle::Solid);
    EXPECT_EQ(elements[1].kind, PageElement::Kind::Box);
    EXPECT_EQ(elements[1].drawWidth, 1);
    EXPECT_EQ(elements[1].drawStyle, DrawingSurface::DrawStyle::Dot);
    EXPECT_EQ(elements[1].colour, 0xC0C0C0u);
}

TEST_F(SurfaceTest, PainterDrawsAtTheRealSizeOfThePage) {
    // 1 inch square page at 100 dpi: one twip is 100/1440 pixel.
    const QSizeF page(1440, 1440);
    QImage image = pagesize::pageImage(page, 100);
    ASSERT_EQ(image.size(), QSize(100, 100));
    {
        PainterSurface surface(image, page);
        ASSERT_TRUE(surface.isActive());
        surface.setScale(0, 0, 100, 100); // one unit per pixel
        surface.setDrawWidth(1);
        surface.line(10, 10, 90, 10, 0x0000FF); // red
        surface.setForeColor(0xFF0000);         // blue
        surface.setFontSize(14.4);              // 20 pixels
        surface.setCurrentX(20);
        surface.setCurrentY(50);
        surface.print(QStringLiteral(u"■"));
        EXPECT_TRUE(surface.finish());
    }
    EXPECT_EQ(image.pixel(50, 10), qRgb(255, 0, 0));
    EXPECT_EQ(inkInside(image, QRect(0, 0, 100, 8)), 0);

    // The full-width square fills its one-em cell, 20 × 20 pixels from (20, 50), and no more.
    const int inside = inkInside(image, QRect(20, 50, 20, 20));
    EXPECT_GT(inside, 150);
    EXPECT_EQ(inkInside(image, QRect(0, 15, 100, 85)), inside);
    EXPECT_EQ(qBlue(image.pixel(30, 60)), 255);
    EXPECT_LT(qRed(image.pixel(30, 60)), 100);

    // erase() clears the page buffer.
    {
        PainterSurface surface(image, page);
        surface.erase();
    }
    EXPECT_EQ(inkInside(image, image.rect()), 0);
}

TEST_F(SurfaceTest, PainterWritesAPdfAndReportsADeviceThatCannotStart) {
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("page.pdf"));
    {
        QPdfWriter writer(path);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(600);
        PainterSurface surface(writer, pagesize::a4());
        ASSERT_TRUE(surface.isActive());
        surface.setCurrentX(1440);
        surface.setCurrentY(1440);
        surface.print(QStringLiteral(u"再免許申請書"));
        surface.line(0, 0, 11906, 16838);
        EXPECT_TRUE(surface.finish());
        EXPECT_TRUE(surface.finish());
    }
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));

    QPdfWriter nowhere(folder.file(QStringLiteral("missing/folder/page.pdf")));
    PainterSurface surface(nowhere, pagesize::a4());
    EXPECT_FALSE(surface.isActive());
    surface.print(QStringLiteral("x")); // draws nothing, and does not fail
    EXPECT_TRUE(surface.finish());
}

TEST_F(SurfaceTest, PageSizesAreWholeTwips) {
    EXPECT_EQ(pagesize::a4(), QSizeF(11906, 16838));
    EXPECT_EQ(pagesize::envelopeNaga3Landscape(), QSizeF(13323, 6803));
    const QImage image = pagesize::pageImage(pagesize::a4(), 150);
    EXPECT_EQ(image.size(), QSize(1240, 1754));
    EXPECT_EQ(image.logicalDpiX(), 150);
}

} // namespace
