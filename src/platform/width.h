#pragma once

#include <QString>
#include <QStringView>

// Conversion between half-width and full-width characters, as the program stores call signs
// and licence numbers in full-width form.
namespace width {

// Half-width to full-width: ASCII letters, digits, signs and the space (to U+3000), and
// half-width katakana composed with a following voiced or semi-voiced mark (ｶﾞ → ガ, ﾊﾟ → パ,
// ｳﾞ → ヴ). Everything else passes unchanged.
QString toFullWidth(QStringView text);

// Full-width letters and digits to their half-width forms. Everything else passes unchanged.
QString narrowAlphanumerics(QStringView text);

} // namespace width
