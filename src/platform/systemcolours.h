#pragma once

#include <QtGlobal>

// Colours are stored as 0x00BBGGRR; these two stand for the system's own colours instead.
namespace colours {

constexpr quint32 kWindowBackground = 0x80000005u;
constexpr quint32 kButtonFace = 0x8000000Fu;

} // namespace colours
