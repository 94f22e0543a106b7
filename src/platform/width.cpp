#include "platform/width.h"

#include <iterator>

namespace width {
namespace {

constexpr char16_t kVoicedMark = 0xFF9E;     // ﾞ
constexpr char16_t kSemiVoicedMark = 0xFF9F; // ﾟ

// Full-width forms of U+FF61 (｡) to U+FF9F (ﾟ), in order.
constexpr char16_t kKatakana[] = {
    u'。', u'「', u'」', u'、', u'・', u'ヲ', u'ァ', u'ィ', u'ゥ', u'ェ', u'ォ', u'ャ', u'ュ',
    u'ョ', u'ッ', u'ー', u'ア', u'イ', u'ウ', u'エ', u'オ', u'カ', u'キ', u'ク', u'ケ', u'コ',
    u'サ', u'シ', u'ス', u'セ', u'ソ', u'タ', u'チ', u'ツ', u'テ', u'ト', u'ナ', u'ニ', u'ヌ',
    u'ネ', u'ノ', u'ハ', u'ヒ', u'フ', u'ヘ', u'ホ', u'マ', u'ミ', u'ム', u'メ', u'モ', u'ヤ',
    u'ユ', u'ヨ', u'ラ', u'リ', u'ル', u'レ', u'ロ', u'ワ', u'ン', u'゛', u'゜'};
static_assert(std::size(kKatakana) == 0xFF9F - 0xFF61 + 1);

bool isHalfWidthKatakana(char16_t c) {
    return c >= 0xFF61 && c <= 0xFF9F;
}

// The full-width kana that a half-width kana and a following mark make together, or 0 when
// they stay two characters. Only pairs whose result code page 932 holds are joined: ﾜﾞ and ｦﾞ
// stay ワ゛ and ヲ゛, as ヷ and ヺ could not be saved.
char16_t composed(char16_t kana, char16_t mark) {
    const bool kaToTo = kana >= u'ｶ' && kana <= u'ﾄ';
    const bool haToHo = kana >= u'ﾊ' && kana <= u'ﾎ';
    const char16_t full = kKatakana[kana - 0xFF61];
    if (mark == kVoicedMark) {
        if (kaToTo || haToHo)
            return full + 1; // カ→ガ, ハ→バ: the voiced kana follows its plain one
        if (kana == u'ｳ')
            return u'ヴ';
    } else if (mark == kSemiVoicedMark && haToHo) {
        return full + 2; // ハ→パ
    }
    return 0;
}

} // namespace

// The signs go to their plain full-width counterparts (\ to ＼, ~ to ～, " to ＂, ' to ＇)
// rather than to the ￥, ￣ and curly quotes that a conversion through the ANSI code page
// gives: code page 932 holds all of them, and narrowing gives back what was typed. Letters
// keep their case (ja1abc becomes ｊａ１ａｂｃ); the entry fields upper-case typed letters
// themselves.
QString toFullWidth(QStringView text) {
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u' ') {
            result += QChar(0x3000);
        } else if (c >= 0x21 && c <= 0x7E) {
            result += QChar(c - 0x21 + 0xFF01);
        } else if (isHalfWidthKatakana(c)) {
            const char16_t joined = i + 1 < text.size() ? composed(c, text[i + 1].unicode()) : 0;
            if (joined != 0) {
                result += QChar(joined);
                ++i;
            } else {
                result += QChar(kKatakana[c - 0xFF61]);
            }
        } else {
            result += QChar(c);
        }
    }
    return result;
}

QString narrowAlphanumerics(QStringView text) {
    QString result = text.toString();
    for (QChar& ch : result) {
        const char16_t c = ch.unicode();
        if ((c >= u'０' && c <= u'９') || (c >= u'Ａ' && c <= u'Ｚ') || (c >= u'ａ' && c <= u'ｚ'))
            ch = QChar(c - 0xFF01 + 0x21);
    }
    return result;
}

} // namespace width
