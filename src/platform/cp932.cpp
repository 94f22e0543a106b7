#include "platform/cp932.h"

#include <QtGlobal>

#include <array>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace cp932 {
namespace {

#include "platform/cp932_table.inc"

// What Windows shows for a code it cannot decode: KATAKANA MIDDLE DOT, its default
// character for code page 932.
constexpr char16_t kUndecodable = u'\u30FB';
constexpr char16_t kLeadMarker = 0xFFFF;
constexpr char kUnmappable = '?';

inline bool isLeadByte(uchar b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

inline int leadRow(uchar lead) {
    return lead < 0xA0 ? lead - 0x81 : lead - 0xE0 + 31;
}

inline bool isTrailByte(uchar b) {
    return b >= kTrailFirst && b <= kTrailLast && b != 0x7F;
}

// Copies the run of ASCII bytes at p, advancing p and out. The spaces that fill every field
// of a record make such runs common; with SSE2 they go sixteen bytes at a time.
inline void copyAscii(const uchar*& p, const uchar* end, char16_t*& out) {
#ifdef __SSE2__
    const __m128i zero = _mm_setzero_si128();
    while (end - p >= 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        if (_mm_movemask_epi8(chunk) != 0)
            break;
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_unpacklo_epi8(chunk, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 8), _mm_unpackhi_epi8(chunk, zero));
        p += 16;
        out += 16;
    }
#endif
    while (p < end && *p < 0x80)
        *out++ = *p++;
}

// Character -> code for the whole BMP; 0 where code page 932 has no code (U+0000 itself is
// written through the ASCII path and never looked up).
class EncodingTable {
public:
    EncodingTable() {
        codes_.fill(0);
        for (int b = 0x80; b < 0x100; ++b) {
            if (kSingleByte[b] != kLeadMarker)
                codes_[kSingleByte[b]] = quint16(b);
        }
        for (int lead = 0x81; lead <= 0xFC; ++lead) {
            if (!isLeadByte(uchar(lead)))
                continue;
            const char16_t* row = kDoubleByte[leadRow(uchar(lead))];
            for (int column = 0; column < kTrailColumns; ++column) {
                if (row[column] != 0 && codes_[row[column]] == 0)
                    codes_[row[column]] = quint16(lead << 8 | (column + kTrailFirst));
            }
        }
        for (const CodeChoice& choice : kPreferredCodes)
            codes_[choice.character] = choice.code;
        for (const CodeChoice& choice : kBestFit)
            codes_[choice.character] = choice.code;
    }

    quint16 code(char16_t c) const { return codes_[c]; }

private:
    std::array<quint16, 0x10000> codes_;
};

const EncodingTable& encodingTable() {
    static const EncodingTable table;
    return table;
}

// One character of the input as the encoder sees it: its code (0 when unmappable) and how
// many UTF-16 units it takes. A surrogate pair is one character, which code page 932 never
// holds; a lone surrogate is one unmappable unit.
struct Unit {
    quint16 code;
    bool mapped;
    qsizetype length;

    int byteCount() const { return mapped && code > 0xFF ? 2 : 1; }
};

inline Unit nextUnit(const EncodingTable& table, const char16_t* p, const char16_t* end) {
    const char16_t c = *p;
    if (c < 0x80)
        return {c, true, 1};
    if (QChar::isHighSurrogate(c) && p + 1 < end && QChar::isLowSurrogate(p[1]))
        return {0, false, 2};
    const quint16 code = QChar::isSurrogate(c) ? 0 : table.code(c);
    return {code, code != 0, 1};
}

// Writes one character at out, which has room for byteCount() bytes.
inline char* writeUnit(const Unit& unit, char* out) {
    if (!unit.mapped) {
        *out++ = kUnmappable;
    } else if (unit.code > 0xFF) {
        *out++ = char(unit.code >> 8);
        *out++ = char(unit.code & 0xFF);
    } else {
        *out++ = char(unit.code);
    }
    return out;
}

} // namespace

// Invalid input, decoded the way Windows does without MB_ERR_INVALID_CHARS:
// - a lead byte with a valid trail byte but no character assigned: one U+30FB for both bytes;
// - a lead byte followed by a byte that cannot be a trail byte (below 0x40, 0x7F, above
//   0xFC), or a lead byte at the very end: U+30FB for the lead byte alone, and decoding goes
//   on with the next byte, so a following CR, LF or ASCII character is never swallowed.
// Every byte that is not a lead byte has a character, so nothing else can fail.
qsizetype decodeInto(QByteArrayView bytes, char16_t* out) {
    char16_t* const start = out;
    const uchar* p = reinterpret_cast<const uchar*>(bytes.data());
    const uchar* const end = p + bytes.size();
    while (p < end) {
        if (*p < 0x80) {
            copyAscii(p, end, out);
            continue;
        }
        const uchar b = *p++;
        const char16_t single = kSingleByte[b];
        if (single != kLeadMarker) {
            *out++ = single;
        } else if (p < end && isTrailByte(*p)) {
            const char16_t c = kDoubleByte[leadRow(b)][*p++ - kTrailFirst];
            *out++ = c != 0 ? c : kUndecodable;
        } else {
            *out++ = kUndecodable;
        }
    }
    return out - start;
}

qsizetype firstUndecodable(QByteArrayView bytes) {
    const uchar* const begin = reinterpret_cast<const uchar*>(bytes.data());
    const uchar* const end = begin + bytes.size();
    for (const uchar* p = begin; p < end; ++p) {
        if (kSingleByte[*p] != kLeadMarker)
            continue;
        if (p + 1 == end || !isTrailByte(p[1]) || kDoubleByte[leadRow(*p)][p[1] - kTrailFirst] == 0)
            return p - begin;
        ++p;
    }
    return -1;
}

QString decode(QByteArrayView bytes) {
    // Never more characters than bytes: a double-byte code gives one, every other byte one.
    QString text(bytes.size(), Qt::Uninitialized);
    text.truncate(decodeInto(bytes, reinterpret_cast<char16_t*>(text.data())));
    return text;
}

EncodeResult encode(QStringView text) {
    const EncodingTable& table = encodingTable();
    EncodeResult result;
    result.bytes.resize(text.size() * 2);
    char* out = result.bytes.data();
    char* const start = out;
    const char16_t* const begin = text.utf16();
    const char16_t* const end = begin + text.size();
    for (const char16_t* p = begin; p < end;) {
        const Unit unit = nextUnit(table, p, end);
        if (!unit.mapped && result.firstUnmappable < 0)
            result.firstUnmappable = p - begin;
        out = writeUnit(unit, out);
        p += unit.length;
    }
    result.bytes.truncate(out - start);
    return result;
}

bool canEncode(QStringView text) {
    return firstUnmappableCharacter(text).isEmpty();
}

bool roundTrips(QStringView text) {
    const EncodeResult encoded = encode(text);
    return encoded.ok() && decode(encoded.bytes) == text;
}

QString firstUnmappableCharacter(QStringView text) {
    const EncodingTable& table = encodingTable();
    const char16_t* const begin = text.utf16();
    const char16_t* const end = begin + text.size();
    for (const char16_t* p = begin; p < end;) {
        const Unit unit = nextUnit(table, p, end);
        if (!unit.mapped)
            return text.sliced(p - begin, unit.length).toString();
        p += unit.length;
    }
    return QString();
}

// Only the characters that land in the field count for firstUnmappable: whatever is cut off
// is not stored, so it cannot be stored wrongly either.
EncodeResult encodeField(QStringView text, int width) {
    const EncodingTable& table = encodingTable();
    EncodeResult result;
    result.bytes = QByteArray(qMax(width, 0), ' ');
    char* out = result.bytes.data();
    const char* const fieldEnd = out + result.bytes.size();
    const char16_t* const begin = text.utf16();
    const char16_t* const end = begin + text.size();
    for (const char16_t* p = begin; p < end;) {
        const Unit unit = nextUnit(table, p, end);
        if (unit.byteCount() > fieldEnd - out)
            break; // a double-byte character straddling the end stays out; a space holds its place
        if (!unit.mapped && result.firstUnmappable < 0)
            result.firstUnmappable = p - begin;
        out = writeUnit(unit, out);
        p += unit.length;
    }
    return result;
}

qsizetype encodedLength(QStringView text) {
    const EncodingTable& table = encodingTable();
    qsizetype length = 0;
    const char16_t* const end = text.utf16() + text.size();
    for (const char16_t* p = text.utf16(); p < end;) {
        const Unit unit = nextUnit(table, p, end);
        length += unit.byteCount();
        p += unit.length;
    }
    return length;
}

} // namespace cp932
