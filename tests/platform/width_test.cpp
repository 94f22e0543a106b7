#include "platform/cp932.h"
#include "platform/width.h"

#include <gtest/gtest.h>

TEST(WidthToFullWidth, WidensAsciiAndTheSpace) {
    EXPECT_EQ(width::toFullWidth(u"JA1ABC"), QStringLiteral("ＪＡ１ＡＢＣ"));
    EXPECT_EQ(width::toFullWidth(u"ja1abc"), QStringLiteral("ｊａ１ａｂｃ")); // case kept
    EXPECT_EQ(width::toFullWidth(u" JA1 "), QStringLiteral("　ＪＡ１　"));
    EXPECT_EQ(width::toFullWidth(u"!\"'-/\\~"), QStringLiteral("！＂＇－／＼～"));
    EXPECT_EQ(width::toFullWidth(u"\t\r\n"), QStringLiteral("\t\r\n")); // controls stay
    EXPECT_EQ(width::toFullWidth(u""), QString());

    // All 94 signs, letters and digits in order, and every one of them can be saved.
    QString ascii;
    for (char16_t c = 0x21; c <= 0x7E; ++c)
        ascii += QChar(c);
    const QString wide = width::toFullWidth(ascii);
    ASSERT_EQ(wide.size(), 94);
    EXPECT_EQ(wide.front(), QChar(0xFF01));
    EXPECT_EQ(wide.back(), QChar(0xFF5E));
    EXPECT_TRUE(cp932::canEncode(wide));
}

TEST(WidthToFullWidth, JoinsHalfWidthKanaWithTheirMarks) {
    EXPECT_EQ(width::toFullWidth(u"ｶﾞ"), QStringLiteral("ガ"));
    EXPECT_EQ(width::toFullWidth(u"ﾊﾟ"), QStringLiteral("パ"));
    EXPECT_EQ(width::toFullWidth(u"ﾊﾞ"), QStringLiteral("バ"));
    EXPECT_EQ(width::toFullWidth(u"ｳﾞ"), QStringLiteral("ヴ"));
    EXPECT_EQ(width::toFullWidth(u"ﾄﾞﾎﾟｿﾞ"), QStringLiteral("ドポゾ"));
    EXPECT_EQ(width::toFullWidth(u"ﾔﾏﾀﾞ ﾀﾛｳ"), QStringLiteral("ヤマダ　タロウ"));

    // Marks that belong to nothing stay marks of their own.
    EXPECT_EQ(width::toFullWidth(u"ﾞ"), QStringLiteral("゛"));
    EXPECT_EQ(width::toFullWidth(u"ﾟｱ"), QStringLiteral("゜ア"));
    EXPECT_EQ(width::toFullWidth(u"ｱﾞ"), QStringLiteral("ア゛"));
    EXPECT_EQ(width::toFullWidth(u"ｶﾟ"), QStringLiteral("カ゜"));
    EXPECT_EQ(width::toFullWidth(u"ｶﾞﾞ"), QStringLiteral("ガ゛"));
    EXPECT_EQ(width::toFullWidth(u"ﾜﾞｦﾞ"), QStringLiteral("ワ゛ヲ゛")); // ヷ and ヺ cannot be saved
    EXPECT_EQ(width::toFullWidth(u"ｶ"), QStringLiteral("カ"));          // mark missing at the end

    EXPECT_EQ(width::toFullWidth(u"｡｢｣､･ｰ"), QStringLiteral("。「」、・ー"));
    EXPECT_EQ(width::toFullWidth(u"ｧｨｩｪｫｬｭｮｯｦﾝ"), QStringLiteral("ァィゥェォャュョッヲン"));
}

TEST(WidthToFullWidth, EveryHalfWidthKanaWithEveryMarkCanBeSaved) {
    for (char16_t kana = 0xFF61; kana <= 0xFF9F; ++kana) {
        for (const char16_t mark : {u'ﾞ', u'ﾟ'}) {
            const QString wide = width::toFullWidth(QString(QChar(kana)) + QChar(mark));
            EXPECT_TRUE(cp932::canEncode(wide)) << int(kana);
            EXPECT_FALSE(wide.contains(QChar(kana))) << int(kana);
            EXPECT_LE(wide.size(), 2);
        }
    }
}

TEST(WidthToFullWidth, LeavesOtherTextAlone) {
    const QString other = QStringLiteral("東京都ＪＡ１ガ　𠮷😀①¥é");
    EXPECT_EQ(width::toFullWidth(other), other);
    EXPECT_EQ(width::toFullWidth(u"7L1ｶﾞ局-2"), QStringLiteral("７Ｌ１ガ局－２"));
}

TEST(WidthNarrowAlphanumerics, NarrowsOnlyLettersAndDigits) {
    EXPECT_EQ(width::narrowAlphanumerics(u"ＪＲ６ＡＢＣ"), QStringLiteral("JR6ABC"));
    EXPECT_EQ(width::narrowAlphanumerics(u"ｊｒ６ａｂｃ"), QStringLiteral("jr6abc"));
    EXPECT_EQ(width::narrowAlphanumerics(u"　ＪＡ１ＡＢＣ／１　"), QStringLiteral("　JA1ABC／1　"));
    EXPECT_EQ(width::narrowAlphanumerics(u"＠［｀｛ガｶ東"), QStringLiteral("＠［｀｛ガｶ東"));
    EXPECT_EQ(width::narrowAlphanumerics(u"JA1abc"), QStringLiteral("JA1abc"));
    EXPECT_EQ(width::narrowAlphanumerics(u""), QString());

    // Narrowing undoes widening for every letter and digit.
    QString alphanumerics;
    for (char16_t c = 0x21; c <= 0x7E; ++c) {
        if (QChar(c).isLetterOrNumber())
            alphanumerics += QChar(c);
    }
    ASSERT_EQ(alphanumerics.size(), 62);
    EXPECT_EQ(width::narrowAlphanumerics(width::toFullWidth(alphanumerics)), alphanumerics);
}
