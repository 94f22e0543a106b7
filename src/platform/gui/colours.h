#pragma once

#include "platform/systemcolours.h"

#include <QColor>
#include <QPalette>
#include <QtGlobal>

class QWidget;

// Colours as the program stores them: 0x00BBGGRR, plus the two system colours resolved through
// the palette.
namespace colours {

QColor toQColor(quint32 stored, const QPalette& palette = QPalette());
quint32 fromQColor(const QColor& colour);

// Paints role of widget in a stored colour.
void setBackground(QWidget* widget, QPalette::ColorRole role, quint32 stored);

// Relative luminance as the Web Content Accessibility Guidelines define it: 0 for black, 1 for
// white, from the linearised sRGB channels.
double relativeLuminance(const QColor& colour);
// (L1 + 0.05) / (L2 + 0.05) of the lighter and the darker colour: 1 to 21. Text needs at least
// 4.5 to be read easily.
double contrastRatio(const QColor& first, const QColor& second);
// Black or white, whichever contrasts more with background: the text of a row coloured dark
// (expired licences are blue) is drawn white.
QColor readableTextColour(QColor background);

} // namespace colours
