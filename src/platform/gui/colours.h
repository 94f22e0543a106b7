#pragma once

#include <QColor>
#include <QPalette>
#include <QtGlobal>

// Colours as the program stores them: 0x00BBGGRR, plus two system colours resolved through the
// palette.
namespace colours {

constexpr quint32 kWindowBackground = 0x80000005u;
constexpr quint32 kButtonFace = 0x8000000Fu;

QColor toQColor(quint32 stored, const QPalette& palette = QPalette());
quint32 fromQColor(const QColor& colour);

} // namespace colours
