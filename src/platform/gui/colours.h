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

} // namespace colours
