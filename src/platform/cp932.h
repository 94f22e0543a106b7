#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Code page 932 (Shift_JIS with the Microsoft extensions), as Windows converts it.
//
// Decoding never fails: every byte sequence gives some text, and bytes that are not valid
// code page 932 decode to a visible stand-in rather than disappearing.
// Encoding reports every character that code page 932 cannot hold instead of replacing it
// silently; callers decide whether to refuse the text or go on.
namespace cp932 {

// Decodes bytes as Windows' MultiByteToWideChar(932) does, the user-defined area (lead bytes
// 0xF0-0xF9) to U+E000 onward and the single bytes 0x80, 0xA0, 0xFD-0xFF to U+0080, U+F8F0-
// U+F8F3. A double-byte code without a character gives U+30FB (・); so does a lead byte
// without a valid trail byte after it, and decoding then goes on with that next byte.
// Never gives more characters than there are bytes.
QString decode(QByteArrayView bytes);
// The same into out, which must have room for bytes.size() characters; returns how many it
// wrote. Lets a caller allocate exactly what the text takes.
qsizetype decodeInto(QByteArrayView bytes, char16_t* out);

// Index of the first byte that does not begin a character: a lead byte without a valid trail
// byte, or a double-byte code without a character (both decode to the stand-in U+30FB).
// -1 when every byte belongs to a character.
qsizetype firstUndecodable(QByteArrayView bytes);

struct EncodeResult {
    QByteArray bytes;
    // Index (in UTF-16 code units of the input) of the first character that code page 932
    // cannot hold, or -1 when every character was encoded. Such characters are written as '?'.
    qsizetype firstUnmappable = -1;
    bool ok() const { return firstUnmappable < 0; }
};

// Encodes text, preferring the code Microsoft prefers for characters with several codes
// (JIS X 0208, then NEC row 13, then the IBM extensions 0xFA-0xFC). Also writes U+301C, U+2212,
// U+2016, U+2014, U+00A2, U+00A3 and U+00AC, as Linux input methods type them, as the
// full-width forms that Windows has in their place.
EncodeResult encode(QStringView text);

// True when every character of text has a code page 932 code.
bool canEncode(QStringView text);
// True when text decodes back from its code page 932 form unchanged: no character is missing
// or written as the look-alike that stands in for it (U+301C as U+FF5E, and the like).
bool roundTrips(QStringView text);

// The first character (as a whole code point, surrogate pairs joined) that code page 932
// cannot hold, or an empty string when there is none. For messages that name the character.
QString firstUnmappableCharacter(QStringView text);

// Encodes text into exactly width bytes: cut at width bytes without splitting a double-byte
// character (a character that would straddle the end is left out and its place filled with a
// space), and a shorter result filled with spaces (0x20). firstUnmappable counts only the
// characters that went into the field. A width of 0 or less gives no bytes.
EncodeResult encodeField(QStringView text, int width);

// Number of bytes text takes in code page 932 (unmappable characters count as one byte).
qsizetype encodedLength(QStringView text);

} // namespace cp932
