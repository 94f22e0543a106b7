#pragma once

#include <QString>
#include <QtGlobal>

// The drawing operations that a printed page and the preview's page buffer both offer. The
// page layouts draw only through this, so preview, printer and PDF come from one routine.
//
// Coordinates are user units after setScale(); before it, twips from the top-left corner of
// the page. Colours are 0x00BBGGRR.
//
// State, and what a fresh surface starts with: fore colour 0 (black), font "ＭＳ 明朝" 12 pt,
// no strike-through, draw width 1, solid style, current position (0, 0). Every setting stays
// until it is set again; a layout that needs a value sets it.
class DrawingSurface {
public:
    enum class DrawStyle { Solid = 0, Dot = 2 };

    virtual ~DrawingSurface() = default;

    // Physical size of the surface in twips.
    virtual double widthTwips() const = 0;
    virtual double heightTwips() const = 0;

    // From now on the top-left corner of the page is (x1, y1) and the bottom-right corner
    // (x2, y2). Positions, the current position and measured text sizes are in these units.
    // The current position is left as it was, in the new units.
    virtual void setScale(double x1, double y1, double x2, double y2) = 0;

    virtual void setForeColor(quint32 colour) = 0;
    virtual void setFontName(const QString& name) = 0;
    // Points, fractions allowed.
    virtual void setFontSize(double points) = 0;
    virtual void setFontStrikethru(bool on) = 0;
    // Line width in device pixels (at least 1).
    virtual void setDrawWidth(int pixels) = 0;
    virtual void setDrawStyle(DrawStyle style) = 0;

    // Size of text in the current font, in user units. The height is that of one line of the
    // font: for the faces the program names and the platform substitutes, the height of the
    // face they stand in for (one em).
    virtual double textWidth(const QString& text) const = 0;
    virtual double textHeight(const QString& text) const = 0;

    // A line from (x1, y1) to (x2, y2), or with box the outline of the rectangle with these
    // corners (not filled), in the draw width and style.
    virtual void line(double x1, double y1, double x2, double y2, quint32 colour,
                      bool box = false) = 0;
    // Same, in the fore colour.
    virtual void line(double x1, double y1, double x2, double y2) = 0;

    virtual double currentX() const = 0;
    virtual double currentY() const = 0;
    virtual void setCurrentX(double x) = 0;
    virtual void setCurrentY(double y) = 0;

    // Draws text with the top-left of its character cell at the current position, in the fore
    // colour, on a transparent background. With continueLine the current position moves just
    // behind the text on the same line (x + text width, same y). Without it the output ends its
    // line: x goes back to the left edge of the page (the x1 of the scale) and y moves down by
    // the text height. The layouts set the position before every text that starts a line, so
    // nothing relies on where an ended line leaves it.
    virtual void print(const QString& text, bool continueLine = false) = 0;
};
