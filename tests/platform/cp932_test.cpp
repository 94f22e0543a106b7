#include "platform/cp932.h"

#include <QMap>
#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

QByteArray codeBytes(int code) {
    if (code < 0x100)
        return QByteArray(1, char(code));
    const char pair[] = {char(code >> 8), char(code & 0xFF)};
    return QByteArray(pair, 2);
}

QString character(char32_t c) {
    return QString::fromUcs4(&c, 1);
}

QByteArray encoded(const QString& text) {
    return cp932::encode(text).bytes;
}

bool isLeadByte(int b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Every double-byte code with a valid trail byte.
QList<int> doubleByteCodes() {
    QList<int> codes;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!isLeadByte(lead))
            continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (trail != 0x7F)
                codes.append(lead << 8 | trail);
        }
    }
    return codes;
}

// Character -> its double-byte codes, for every code with a character of its own. U+30FB is
// both what unassigned codes decode to and the character of 0x8145 alone, so it is left out.
QMap<char16_t, QList<int>> codesByCharacter() {
    QMap<char16_t, QList<int>> map;
    for (int code : doubleByteCodes()) {
        const QString text = cp932::decode(codeBytes(code));
        if (text.size() == 1 && text != QStringLiteral("・"))
            map[text.at(0).unicode()].append(code);
    }
    return map;
}

// The order in which Windows picks among several codes of one character.
int preference(int code) {
    const int lead = code >> 8;
    if (lead == 0x87)
        return 1; // NEC row 13
    if (lead >= 0xFA && lead <= 0xFC)
        return 2; // IBM extensions
    if (lead == 0xED || lead == 0xEE)
        return 3; // NEC-selected IBM extensions
    return 0;     // JIS X 0208
}

} // namespace

TEST(Cp932Decode, FollowsWindowsWhereShiftJisTablesDiffer) {
    EXPECT_EQ(cp932::decode("\x5C\x7E"), QStringLiteral("\\~"));
    EXPECT_EQ(cp932::decode("\x81\x60"), character(0xFF5E));
    EXPECT_EQ(cp932::decode("\x81\x7C"), character(0xFF0D));
    EXPECT_EQ(cp932::decode("\x81\x5C"), character(0x2015));
    EXPECT_EQ(cp932::decode("\x87\x40\x87\x90"), QStringLiteral("①≒"));   // NEC row 13
    EXPECT_EQ(cp932::decode("\xED\x40\xFA\x5C"), QStringLiteral("纊纊")); // both IBM sets
    EXPECT_EQ(cp932::decode("\xFA\x40\xFB\xFC"), QStringLiteral("ⅰ髙"));
    EXPECT_EQ(cp932::decode("\xA1\xB6\xDE\xDF"), QStringLiteral("｡ｶﾞﾟ"));
}

TEST(Cp932Decode, UnassignedSingleBytesAndUserAreaRoundTrip) {
    const QList<QPair<char, char16_t>> singles = {
        {'\x80', 0x0080}, {'\xA0', 0xF8F0}, {'\xFD', 0xF8F1}, {'\xFE', 0xF8F2}, {'\xFF', 0xF8F3}};
    for (const auto& [byte, c] : singles) {
        EXPECT_EQ(cp932::decode(QByteArray(1, byte)), QString(QChar(c))) << int(uchar(byte));
        EXPECT_EQ(encoded(QString(QChar(c))), QByteArray(1, byte)) << int(c);
    }

    // 188 codes per lead byte, from U+E000 on, in code order.
    char16_t expected = 0xE000;
    for (int lead = 0xF0; lead <= 0xF9; ++lead) {
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (trail == 0x7F)
                continue;
            const QByteArray bytes = codeBytes(lead << 8 | trail);
            ASSERT_EQ(cp932::decode(bytes), QString(QChar(expected))) << bytes.toHex().data();
            ASSERT_EQ(encoded(QString(QChar(expected))), bytes);
            ++expected;
        }
    }
    EXPECT_EQ(expected, 0xE758);
    EXPECT_FALSE(cp932::canEncode(QString(QChar(expected))));
}

TEST(Cp932Decode, InvalidSequencesStayVisible) {
    const QString dot = QStringLiteral("・");
    EXPECT_EQ(cp932::decode("\x81"), dot); // lead byte at the end
    EXPECT_EQ(cp932::decode("AB\x9F"), QStringLiteral("AB") + dot);
    EXPECT_EQ(cp932::decode("\x81\r\n"), dot + QStringLiteral("\r\n")); // line ends survive
    EXPECT_EQ(cp932::decode("\x81\x7F"), dot + QChar(0x7F));
    EXPECT_EQ(cp932::decode("\xE0\xFDZ"), dot + QChar(0xF8F1) + QChar(u'Z'));
    EXPECT_EQ(cp932::decode("\x85\x40Z"), dot + QChar(u'Z')); // unassigned row: one mark for both
    EXPECT_EQ(cp932::decode("\x81\xAD"), dot);                // gap inside an assigned row
    EXPECT_EQ(cp932::decode("\xEF\xFC"), dot);
    EXPECT_EQ(cp932::decode("\x81\x81\x40"), QStringLiteral("＝@")); // a lead byte can be a trail
    EXPECT_EQ(cp932::decode(QByteArrayView()), QString());
}

TEST(Cp932Decode, AsciiRunsOfAnyLengthAroundOtherCodes) {
    // Runs of ASCII are copied in blocks; a kanji or a kana at any place, and the end of the
    // buffer, must still cut them exactly.
    const QString ascii = QStringLiteral("JA1ABC 1-2-3 Chiyoda Tokyo 100-0013 Tel 03");
    for (const QString& other : {QStringLiteral("東"), QStringLiteral("ｶ"), QString()}) {
        for (qsizetype length = 0; length <= ascii.size(); ++length) {
            for (qsizetype at = 0; at <= length; ++at) {
                QString text = ascii.left(length);
                text.insert(at, other);
                ASSERT_EQ(cp932::decode(encoded(text)), text) << length << " " << at;
            }
        }
    }
    EXPECT_EQ(cp932::decode(encoded(ascii) + '\x88'), ascii + QStringLiteral("・"));
}

TEST(Cp932Decode, EveryShortSequenceGivesOneOrTwoCharacters) {
    for (int first = 0; first < 0x100; ++first) {
        const QString single = cp932::decode(QByteArray(1, char(first)));
        ASSERT_EQ(single.size(), 1) << first;
        if (isLeadByte(first)) {
            EXPECT_EQ(single, QStringLiteral("・")) << first;
        } else if (first < 0x80) {
            EXPECT_EQ(single.at(0).unicode(), first);
        }
        for (int second = 0; second < 0x100; ++second) {
            const QByteArray pair = QByteArray(1, char(first)) + char(second);
            const qsizetype expectedSize =
                isLeadByte(first) && second >= 0x40 && second <= 0xFC && second != 0x7F ? 1 : 2;
            ASSERT_EQ(cp932::decode(pair).size(), expectedSize) << pair.toHex().data();
        }
    }
}

TEST(Cp932Decode, RandomBytesNeverGiveMoreCharactersThanBytes) {
    QRandomGenerator random(932);
    QByteArray bytes(1 << 16, Qt::Uninitialized);
    for (int round = 0; round < 16; ++round) {
        for (char& b : bytes)
            b = char(random.bounded(256));
        const QString text = cp932::decode(bytes);
        EXPECT_GE(text.size(), bytes.size() / 2);
        EXPECT_LE(text.size(), bytes.size());
        // Whatever decoded, encoding it again never reports a character it cannot hold.
        EXPECT_TRUE(cp932::canEncode(text));
    }
}

TEST(Cp932Encode, CharactersWithSeveralCodesGetTheCodeWindowsWrites) {
    EXPECT_EQ(encoded(QStringLiteral("≒")), QByteArray("\x81\xE0"));
    EXPECT_EQ(encoded(QStringLiteral("ⅰ")), QByteArray("\xFA\x40"));
    EXPECT_EQ(encoded(QStringLiteral("髙")), QByteArray("\xFB\xFC"));
    EXPECT_EQ(encoded(QStringLiteral("纊")), QByteArray("\xFA\x5C"));
    EXPECT_EQ(encoded(QStringLiteral("Ⅰ№㈱")), QByteArray("\x87\x54\x87\x82\x87\x8A"));
    EXPECT_EQ(encoded(QStringLiteral("∵￢")), QByteArray("\x81\xE6\x81\xCA")); // three codes each

    int shared = 0;
    const auto map = codesByCharacter();
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        QList<int> codes = it.value();
        if (codes.size() < 2)
            continue;
        ++shared;
        std::stable_sort(codes.begin(), codes.end(),
                         [](int a, int b) { return preference(a) < preference(b); });
        EXPECT_EQ(encoded(QString(QChar(it.key()))), codeBytes(codes.first()))
            << "U+" << QString::number(it.key(), 16).toStdString();
    }
    EXPECT_EQ(shared, 396);
}

TEST(Cp932Encode, EveryAssignedCodeRoundTripsAndNoneGoesToTheNecSelectedSet) {
    const auto map = codesByCharacter();
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const QString text(QChar(it.key()));
        const QByteArray bytes = encoded(text);
        ASSERT_EQ(bytes.size(), 2) << int(it.key());
        EXPECT_TRUE(it.value().contains(uchar(bytes[0]) << 8 | uchar(bytes[1])));
        EXPECT_NE(uchar(bytes[0]), 0xED);
        EXPECT_NE(uchar(bytes[0]), 0xEE);
        EXPECT_EQ(cp932::decode(bytes), text);
    }
    EXPECT_EQ(encoded(QStringLiteral("・")), QByteArray("\x81\x45"));
    for (int b = 0; b < 0x100; ++b) {
        if (!isLeadByte(b)) {
            EXPECT_EQ(encoded(cp932::decode(QByteArray(1, char(b)))), QByteArray(1, char(b))) << b;
        }
    }
}

TEST(Cp932Encode, AcceptsWhatLinuxInputMethodsTypeAsTheFullWidthForm) {
    const QList<QPair<char16_t, QByteArray>> cases = {
        {0x301C, "\x81\x60"}, {0x2212, "\x81\x7C"}, {0x2016, "\x81\x61"}, {0x2014, "\x81\x5C"},
        {0x00A2, "\x81\x91"}, {0x00A3, "\x81\x92"}, {0x00AC, "\x81\xCA"}};
    for (const auto& [c, bytes] : cases) {
        const cp932::EncodeResult result = cp932::encode(QString(QChar(c)));
        EXPECT_TRUE(result.ok()) << int(c);
        EXPECT_EQ(result.bytes, bytes) << int(c);
    }
    // Read back, the text shows the form Windows has.
    EXPECT_EQ(cp932::decode(encoded(QStringLiteral("〜−"))), QStringLiteral("～－"));
}

TEST(Cp932Encode, ReportsCharactersItCannotHold) {
    const QString yoshino = QStringLiteral("吉𠮷野");
    cp932::EncodeResult result = cp932::encode(yoshino);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.firstUnmappable, 1);
    EXPECT_EQ(result.bytes, encoded(QStringLiteral("吉")) + '?' + encoded(QStringLiteral("野")));
    EXPECT_EQ(cp932::firstUnmappableCharacter(yoshino), QStringLiteral("𠮷"));
    EXPECT_FALSE(cp932::canEncode(yoshino));

    const QString radio = QStringLiteral("QSL📻 ok😀");
    result = cp932::encode(radio);
    EXPECT_EQ(result.firstUnmappable, 3);
    EXPECT_EQ(result.bytes, QByteArray("QSL? ok?"));
    EXPECT_EQ(cp932::firstUnmappableCharacter(radio), QStringLiteral("📻"));

    // Lone surrogates: a high one before an ordinary character, at the end, and a low one.
    const QString lone = QString(QChar(0xD83D)) + u'A' + QChar(0xDC00) + QChar(0xD800);
    result = cp932::encode(lone);
    EXPECT_EQ(result.firstUnmappable, 0);
    EXPECT_EQ(result.bytes, QByteArray("?A??"));
    EXPECT_EQ(cp932::firstUnmappableCharacter(lone), QString(QChar(0xD83D)));
    EXPECT_EQ(cp932::encodedLength(lone), 4);

    EXPECT_FALSE(cp932::canEncode(QStringLiteral("café")));
    EXPECT_FALSE(cp932::canEncode(QStringLiteral("한")));
    EXPECT_TRUE(cp932::canEncode(QStringLiteral("ＪＡ１ＡＢＣ 東京都千代田区ｶﾅ①ⅰ髙\t")));
    EXPECT_TRUE(cp932::encode(QString()).ok());
    EXPECT_TRUE(cp932::firstUnmappableCharacter(QStringLiteral("東京")).isEmpty());
}

TEST(Cp932Encode, EncodedLengthCountsBytes) {
    EXPECT_EQ(cp932::encodedLength(QStringLiteral("ＪＡ１ＡＢＣ")), 12);
    EXPECT_EQ(cp932::encodedLength(QStringLiteral("ﾔﾏﾀﾞ ﾀﾛｳ")), 8);
    EXPECT_EQ(cp932::encodedLength(QStringLiteral("𠮷a")), 2); // written as "?a"
    EXPECT_EQ(cp932::encodedLength(QString()), 0);
    const QString mixed = QStringLiteral("東京都 1-2-3 ｶﾅ〜");
    EXPECT_EQ(cp932::encodedLength(mixed), encoded(mixed).size());
}

TEST(Cp932EncodeField, FillsAndCutsWithoutSplittingACharacter) {
    EXPECT_EQ(cp932::encodeField(QStringLiteral("固定局"), 6).bytes,
              encoded(QStringLiteral("固定局")));
    EXPECT_EQ(cp932::encodeField(QStringLiteral("固定局"), 5).bytes,
              encoded(QStringLiteral("固定")) + ' ');
    EXPECT_EQ(cp932::encodeField(QStringLiteral("JA6ABC"), 12).bytes, QByteArray("JA6ABC      "));
    EXPECT_EQ(cp932::encodeField(QStringLiteral("JA6ABC"), 4).bytes, QByteArray("JA6A"));
    EXPECT_EQ(cp932::encodeField(QString(), 8).bytes, QByteArray(8, ' '));
    EXPECT_EQ(cp932::encodeField(QStringLiteral("a"), 0).bytes, QByteArray());
    EXPECT_EQ(cp932::encodeField(QStringLiteral("a"), -3).bytes, QByteArray());

    // Half-width kana take one byte each, so a kana after an odd number of bytes still fits.
    EXPECT_EQ(cp932::encodeField(QStringLiteral("ｱ東ｲ京"), 4).bytes,
              encoded(QStringLiteral("ｱ東ｲ")));
    EXPECT_EQ(cp932::encodeField(QStringLiteral("ｱ東京"), 4).bytes,
              encoded(QStringLiteral("ｱ東")) + ' ');

    // Nine kanji in a 16-byte field: the first eight survive and read back.
    const QString nine = QStringLiteral("壱弐参四五六七八九");
    const cp932::EncodeResult name = cp932::encodeField(nine, 16);
    EXPECT_TRUE(name.ok());
    EXPECT_EQ(cp932::decode(name.bytes), nine.left(8));

    // Every width up to the text's full length: never split, always exactly width bytes, and
    // what reads back is a prefix of the text.
    const QString text = QStringLiteral("ＪＡ１ｶﾞ東京 1");
    for (int width = 0; width <= 16; ++width) {
        const QByteArray bytes = cp932::encodeField(text, width).bytes;
        ASSERT_EQ(bytes.size(), width);
        QString back = cp932::decode(bytes);
        while (back.endsWith(u' ') && !text.startsWith(back))
            back.chop(1);
        EXPECT_TRUE(text.startsWith(back)) << width;
        EXPECT_FALSE(back.contains(QStringLiteral("・"))) << width;
    }
}

TEST(Cp932EncodeField, ReportsOnlyUnmappableCharactersThatLandInTheField) {
    cp932::EncodeResult result = cp932::encodeField(QStringLiteral("ab😀cd"), 4);
    EXPECT_EQ(result.bytes, QByteArray("ab?c"));
    EXPECT_EQ(result.firstUnmappable, 2);

    result = cp932::encodeField(QStringLiteral("abcd😀"), 4);
    EXPECT_EQ(result.bytes, QByteArray("abcd"));
    EXPECT_TRUE(result.ok());
}
