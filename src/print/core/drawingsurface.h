#pragma once

#include <QString>
#include <QtGlobal>

// The drawing operations that a printed page and the preview's page buffer both offer. The
// page layouts draw only through this, so preview, printer and PDF come from one routine.
//
// Coordinates are user units after setScale(); before it, twips from the top-left corner.
// Colours are 0x00BBGGRR.
class DrawingSurface {
public:
    enum class DrawStyle { Solid = 0, Dot = 2 };

    virtual ~DrawingSurface() = default;

    // Physical size of the surface in twips.
    virtual double widthTwips() const = 0;
    virtual double heightTwips() const = 0;

    // From now on the top-left corner is (x1, y1) and the bottom-right corner (x2, y2).
    virtual void setScale(double x1, double y1, double x2, double y2) = 0;

    virtual void setForeColor(quint32 colour) = 0;
    virtual void setFontName(const QString& name) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setFontStrikethru(bool on) = 0;
    // Line width in device pixels.
    virtual void setDrawWidth(int pixels) = 0;
    virtual void setDrawStyle(DrawStyle style) = 0;

    // Size of text in the current font, in user units.
    virtual double textWidth(const QString& text) const = 0;
    virtual double textHeight(const QString& text) const = 0;

    // A line from (x1, y1) to (x2, y2), or with box the outline of that rectangle.
    virtual void line(double x1, double y1, double x2, double y2, quint32 colour,
                      bool box = false) = 0;
    // Same, in the fore colour.
    virtual void line(double x1, double y1, double x2, double y2) = 0;

    virtual double currentX() const = 0;
    virtual double currentY() const = 0;
    virtual void setCurrentX(double x) = 0;
    virtual void setCurrentY(double y) = 0;
    // Draws text with the top-left of its cell at the current position, in the fore colour,
    // transparent. continueLine leaves the current position just behind the text on the same
    // line; otherwise it moves to the start (the x of the last explicit position) of the next
    // line.
    virtual void print(const QString& text, bool continueLine = false) = 0;
};
