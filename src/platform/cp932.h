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

// Decodes bytes as Windows' MultiByteToWideChar(932) does.
QString decode(QByteArrayView bytes);

struct EncodeResult {
    QByteArray bytes;
    // Index (in UTF-16 code units of the input) of the first character that code page 932
    // cannot hold, or -1 when every character was encoded. Such characters are written as '?'.
    qsizetype firstUnmappable = -1;
    bool ok() const { return firstUnmappable < 0; }
};

// Encodes text, preferring the code Microsoft prefers for characters with several codes.
EncodeResult encode(QStringView text);

// True when every character of text has a code page 932 code.
bool canEncode(QStringView text);

// The first character (as a whole code point, surrogate pairs joined) that code page 932
// cannot hold, or an empty string when there is none. For messages that name the character.
QString firstUnmappableCharacter(QStringView text);

// Encodes text into exactly width bytes: cut at width bytes without splitting a double-byte
// character (a character that would straddle the end is left out and its place filled with a
// space), and a shorter result filled with spaces (0x20).
EncodeResult encodeField(QStringView text, int width);

// Number of bytes text takes in code page 932 (unmappable characters count as one byte).
qsizetype encodedLength(QStringView text);

} // namespace cp932
