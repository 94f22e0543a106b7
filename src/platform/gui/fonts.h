#pragma once

#include <QString>
#include <optional>

// The faces the program names, and what stands in for them where the system lacks them.
namespace fonts {

// Printed pages.
QString mincho();
// Grid and text boxes.
QString gothic();
// Version box.
QString proportionalGothic();

// Lets the three names above resolve to IPAMincho, IPAGothic and IPAPGothic. Safe to call
// more than once; the program's main, the tool and the tests call it before drawing text.
void installSubstitutions();

// The height of one line, in em, of the face that family names, when the program knows that
// face's design and draws it with a substitute; nothing for other families. The layouts space
// their rows by this height, and the substitutes are taller (IPAMincho's ascent plus descent is
// 1.10 em), so measuring the substitute would stretch every page by a tenth.
std::optional<double> designedLineHeightEm(const QString& family);

} // namespace fonts
