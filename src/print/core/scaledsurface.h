#pragma once

#include "print/core/drawingsurface.h"
#include "print/core/pageelement.h"
#include "print/core/textmeasure.h"

#include <QSizeF>

// The state every surface keeps (scale, current position, colour, font, pen) and the
// arithmetic on it. A device only renders the finished elements, so every kind of surface
// turns the same calls into the same elements.
class ScaledSurface : public DrawingSurface {
public:
    explicit ScaledSurface(QSizeF pageTwips);

    double widthTwips() const override { return page_.width(); }
    double heightTwips() const override { return page_.height(); }

    void setScale(double x1, double y1, double x2, double y2) override;

    void setForeColor(quint32 colour) override { foreColour_ = colour; }
    void setFontName(const QString& name) override;
    void setFontSize(double points) override;
    void setFontStrikethru(bool on) override;
    void setDrawWidth(int pixels) override { drawWidth_ = pixels < 1 ? 1 : pixels; }
    void setDrawStyle(DrawStyle style) override { drawStyle_ = style; }

    double textWidth(const QString& text) const override;
    double textHeight(const QString& text) const override;

    // Leaves the current position at (x2, y2), as the original surfaces do.
    void line(double x1, double y1, double x2, double y2, quint32 colour,
              bool box = false) override;
    void line(double x1, double y1, double x2, double y2) override;

    double currentX() const override { return currentX_; }
    double currentY() const override { return currentY_; }
    void setCurrentX(double x) override { currentX_ = x; }
    void setCurrentY(double y) override { currentY_ = y; }

    void print(const QString& text, bool continueLine = false) override;

    // Read back, for callers that check what a layout left behind.
    quint32 foreColor() const { return foreColour_; }
    QString fontName() const { return fontName_; }
    double fontSize() const { return fontSize_; }
    bool fontStrikethru() const { return strikethru_; }
    int drawWidth() const { return drawWidth_; }
    DrawStyle drawStyle() const { return drawStyle_; }

    // User units to twips from the page's top-left corner.
    QPointF toTwips(QPointF user) const;

protected:
    // Every line, box and text, empty texts included (they draw nothing).
    virtual void render(const PageElement& element) = 0;

private:
    void remeasure();

    QSizeF page_;
    double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    double currentX_ = 0, currentY_ = 0;
    quint32 foreColour_ = 0;
    QString fontName_;
    double fontSize_ = 12;
    bool strikethru_ = false;
    int drawWidth_ = 1;
    DrawStyle drawStyle_ = DrawStyle::Solid;
    TextMeasure measure_;
};
