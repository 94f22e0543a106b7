#pragma once

#include "print/core/drawingsurface.h"

#include <QPointF>
#include <QRectF>
#include <QString>

// One thing drawn on a page, as a surface hands it to its device (or keeps it, for tests).
struct PageElement {
    enum class Kind { Text, Line, Box };

    Kind kind = Kind::Text;
    // User units of the scale in force. Text: the top-left and bottom-right of its cell (the
    // measured width and height). Line and box: the two points given.
    QPointF from;
    QPointF to;
    // The same two points in twips from the top-left corner of the page.
    QPointF fromTwips;
    QPointF toTwips;
    quint32 colour = 0;

    // Text only.
    QString text;
    QString fontName;
    double fontSize = 0;
    bool strikethru = false;
    // Distance from the top of the cell to the baseline, in twips.
    double ascentTwips = 0;

    // Line and box only (0 and Solid for text).
    int drawWidth = 0;
    DrawingSurface::DrawStyle drawStyle = DrawingSurface::DrawStyle::Solid;

    bool operator==(const PageElement&) const = default;
};
