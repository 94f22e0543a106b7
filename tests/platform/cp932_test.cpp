#include "platform/cp932.h"

#include <QList>
#include <gtest/gtest.h>
#include <tuple>

// The code page 932 codec: the bytes glibc does not convert, invalid bytes, encoding and
// fixed-width fields. Every code, and where Windows differs from plain Shift_JIS, is checked
// against glibc in cp932_iconv_test; random bytes go through the fuzzer.

TEST(Cp932, BytesGlibcLeavesAndInvalidBytes) {
    // Bytes, text, and whether the text encodes to the bytes again.
    const QList<std::tuple<QByteArray, QString, bool>> codes = {
        {"\x80\xA0\xFD\xFE\xFF", QString::fromUtf16(u"\u0080\uF8F0\uF8F1\uF8F2\uF8F3"), true},
        // Invalid bytes stay visible as ・, and decoding goes on with the next byte.
        {"\x81", u"・"_qs, false},
        {"JA1ABC 1-2-3 Chiyoda\x9F", u"JA1ABC 1-2-3 Chiyoda・"_qs, false},
        {"\x81\r\n\x81\x7F", u"・\r\n・\x7F"_qs, false},
        {"\xE0\xFDZ", QString::fromUtf16(u"・\uF8F1Z"), false},
        {"\x85\x40Z", u"・Z"_qs, false}, // unassigned row: one mark for both bytes
        {"\x81\xAD\xEF\xFC", u"・・"_qs, false},
        {"\x81\x81\x40", u"＝@"_qs, true}, // a lead byte can be a trail byte
        {"", u""_qs, true},
    };
    for (const auto& [bytes, text, back] : codes) {
        EXPECT_EQ(cp932::decode(bytes), text) << bytes.toHex().data();
        EXPECT_TRUE(!back || cp932::encode(text).bytes == bytes) << bytes.toHex().data();
    }
}

TEST(Cp932, EncodesInputMethodFormsAndReportsWhatItCannotHold) {
    const QChar high(0xD83D);
    // Text, bytes, index of the first character it cannot hold and that character.
    const QList<std::tuple<QString, QByteArray, qsizetype, QString>> cases = {
        // U+301C, U+2212, U+2016, U+2014, U+00A2, U+00A3, U+00AC as Linux input methods type them
        {QString::fromUtf16(u"\u301C\u2212\u2016\u2014\u00A2\u00A3\u00AC"),
         "\x81\x60\x81\x7C\x81\x61\x81\x5C\x81\x91\x81\x92\x81\xCA",
         -1,
         {}},
        {u"吉𠮷野"_qs, "\x8B\x67?\x96\xEC", 1, u"𠮷"_qs},
        {u"QSL📻 ok😀"_qs, "QSL? ok?", 3, u"📻"_qs},
        {QString(high) + u'A' + QChar(0xDC00) + QChar(0xD800), "?A??", 0, QString(high)},
        {u"café"_qs, "caf?", 3, u"é"_qs},
        {QString(QChar(0xE758)), "?", 0, QString(QChar(0xE758))}, // after the user area
        {u"ＪＡ１ ｶﾅ①\t"_qs, "\x82\x69\x82\x60\x82\x50 \xB6\xC5\x87\x40\t", -1, {}},
    };
    for (const auto& [text, bytes, firstUnmappable, unmappable] : cases) {
        const cp932::EncodeResult result = cp932::encode(text);
        EXPECT_EQ(result.bytes, bytes) << bytes.toHex().data();
        EXPECT_EQ(result.firstUnmappable, firstUnmappable) << bytes.toHex().data();
        EXPECT_EQ(cp932::canEncode(text), firstUnmappable < 0);
        EXPECT_EQ(cp932::firstUnmappableCharacter(text), unmappable);
        EXPECT_EQ(cp932::encodedLength(text), bytes.size());
    }
}

TEST(Cp932, FieldsAreFilledAndCutWithoutSplittingACharacter) {
    // Text, width, what the field reads back as and the first character it cannot hold.
    const QList<std::tuple<QString, int, QString, qsizetype>> cases = {
        {u"固定局"_qs, 5, u"固定 "_qs, -1},
        {u""_qs, 3, u"   "_qs, -1},
        {u"a"_qs, -3, u""_qs, -1},
        {u"ｱ東ｲ京"_qs, 4, u"ｱ東ｲ"_qs, -1}, // half-width kana take one byte
        {u"ab😀cd"_qs, 4, u"ab?c"_qs, 2},
        {u"abcd😀"_qs, 4, u"abcd"_qs, -1}, // only what lands in the field counts
    };
    for (const auto& [text, width, back, firstUnmappable] : cases) {
        const cp932::EncodeResult result = cp932::encodeField(text, width);
        EXPECT_EQ(cp932::decode(result.bytes), back) << width;
        EXPECT_EQ(result.firstUnmappable, firstUnmappable) << width;
    }
}
