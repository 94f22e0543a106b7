#pragma once

#include "platform/gui/fonts.h"
#include "print/core/layouts.h"
#include "print/core/pagearithmetic.h"
#include "print/core/pagesize.h"
#include "print/core/recordingsurface.h"

#include <QString>
#include <map>
#include <string>
#include <vector>

// Element lists of the page layouts written as short lines, for golden comparisons:
//   T(x,y) size colour "text" [strike]   a text; x "+" when it continues the previous text
//   L(x1,y1)-(x2,y2) width style colour  a line; B(...) a box
// Positions are in grid units (the layout's cell width and row height); colours by role.
namespace layouttest {

struct Grid {
    double x = 1;
    double y = 1;
};

struct Inputs {
    PrintData print;
    BureauValues bureau;
    SettingsValues settings;
    PageInputs page() const { return {print, bureau, settings}; }
};

inline QString number(double value) {
    return QString::number(value, 'g', 6);
}

inline std::vector<std::string> describe(const std::vector<PageElement>& elements, Grid grid,
                                         const std::map<quint32, QString>& colours) {
    std::vector<std::string> lines;
    const PageElement* previous = nullptr;
    for (const PageElement& e : elements) {
        const auto found = colours.find(e.colour);
        const QString colour = found != colours.end()
                                   ? found->second
                                   : QStringLiteral("#%1").arg(e.colour, 6, 16, QChar(u'0'));
        QString line;
        if (e.kind == PageElement::Kind::Text) {
            const bool continued = previous && previous->kind == PageElement::Kind::Text &&
                                   previous->to.x() == e.from.x() &&
                                   previous->from.y() == e.from.y();
            line = QStringLiteral("T(%1,%2) %3 %4 \"%5\"%6")
                       .arg(continued ? QStringLiteral("+") : number(e.from.x() / grid.x),
                            number(e.from.y() / grid.y), number(e.fontSize), colour, e.text,
                            e.strikethru ? QStringLiteral(" strike") : QString());
        } else {
            line = QStringLiteral("%1(%2,%3)-(%4,%5) %6 %7 %8")
                       .arg(e.kind == PageElement::Kind::Box ? QStringLiteral("B")
                                                             : QStringLiteral("L"),
                            number(e.from.x() / grid.x), number(e.from.y() / grid.y),
                            number(e.to.x() / grid.x), number(e.to.y() / grid.y))
                       .arg(e.drawWidth)
                       .arg(e.drawStyle == DrawingSurface::DrawStyle::Dot ? QStringLiteral("dot")
                                                                          : QStringLiteral("solid"))
                       .arg(colour);
        }
        lines.push_back(line.toStdString());
        previous = &e;
    }
    return lines;
}

// Splits a golden block of lines, skipping blank ones.
inline std::vector<std::string> golden(const char* text) {
    std::vector<std::string> lines;
    for (const QString& line : QString::fromUtf8(text).split(u'\n')) {
        if (!line.trimmed().isEmpty())
            lines.push_back(line.trimmed().toStdString());
    }
    return lines;
}

} // namespace layouttest
