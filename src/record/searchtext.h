#pragma once

#include <QString>
#include <QStringView>

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
// fold() by its definition alone. fold() takes a short cut for the characters a register
// usually holds and must give the same; this is what it is checked against.
QString foldByDefinition(QStringView text);

// Separates the texts of a key; fold() never leaves it in a query, so that a query matches
// within one text only.
constexpr char16_t kKeySeparator = u'\x1F';

// Builds the string a station is searched in: its texts folded as fold() does, one after
// another, with kKeySeparator where one text ends. Folded once per change of the register, so
// that a keystroke costs one QString::contains per station. One builder serves a whole
// register: it works in a buffer of its own and hands out keys of their exact length.
class KeyBuilder {
public:
    // Folds text onto the key; texts added without endText() between them are searched as one
    // (the two lines of an address).
    KeyBuilder& add(QStringView text);
    KeyBuilder& endText();
    // The key built so far; the builder starts the next one empty.
    QString take();
    // The same into key, reusing its memory where it is large enough: a register keyed again
    // after a change then allocates (almost) nothing.
    void takeInto(QString& key);

private:
    QString key_;
};

} // namespace search
