#pragma once

#include <QString>
#include <QStringView>

// Conversion between half-width and full-width characters, as the program stores call signs
// and licence numbers in full-width form.
namespace width {

// Half-width to full-width: ASCII letters, digits and signs (U+0021-U+007E to U+FF01-U+FF5E:
// letters keep their case, \ becomes ＼ and ~ becomes ～), the space (to U+3000), and
// half-width katakana and punctuation, a kana composed with a following voiced or semi-voiced
// mark (ｶﾞ → ガ, ﾊﾟ → パ, ｳﾞ → ヴ) where code page 932 holds the result (ﾜﾞ stays ワ゛).
// Everything else passes unchanged. Whatever it widens can be encoded in code page 932.
QString toFullWidth(QStringView text);

// Full-width letters and digits to their half-width forms. Everything else passes unchanged.
QString narrowAlphanumerics(QStringView text);

} // namespace width
