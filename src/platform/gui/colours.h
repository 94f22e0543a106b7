#pragma once

#include "platform/systemcolours.h"

#include <QColor>
#include <QPalette>
#include <QtGlobal>

// Colours as the program stores them: 0x00BBGGRR, plus the two system colours resolved through
// the palette.
namespace colours {

QColor toQColor(quint32 stored, const QPalette& palette = QPalette());
quint32 fromQColor(const QColor& colour);

} // namespace colours
