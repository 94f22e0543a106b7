#pragma once

#include <QString>
#include <QStringView>
#include <initializer_list>

// Text folded for finding stations: what the user types and what the register holds are
// compared in one form, so that the width of a character, its case and the kana it is written
// in do not matter. "ja1abc" finds "ＪＡ１ＡＢＣ", "さとう" finds "ｻﾄｳ", "ｶﾞ" and "が" are one.
namespace search {

// NFKC (full-width letters and digits become ASCII, half-width katakana become full-width with
// their sound marks composed: ｻﾄｳ → サトウ, ｶﾞ → ガ), then case folding, then katakana
// U+30A1..U+30F6 as hiragana (ヴ → ゔ). The long vowel mark ー stays. Whitespace (including
// the full-width space) and control characters are left out, since names and readings are
// written with and without a space between family and given name.
QString fold(QStringView text);

// Separates the texts of a key; fold() never leaves it in a query, so that a query matches
// within one text only.
constexpr char16_t kKeySeparator = u'\x1F';

// The texts folded as fold() does, joined by kKeySeparator: one string per station to search
// with QString::contains, folded once per change of the register rather than per keystroke.
QString foldedKey(std::initializer_list<QStringView> texts);

} // namespace search
