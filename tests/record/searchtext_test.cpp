// Search folding: width, case and kana, and the short cut against the definition.
#include "record/searchtext.h"

#include <gtest/gtest.h>

namespace {

struct FoldCase {
    const char16_t* text;
    const char16_t* folded;
};

class SearchFold : public testing::TestWithParam<FoldCase> {};

} // namespace

// Width, case and kana fold to one form; sound marks of half-width katakana compose; spaces of
// either width and control characters go.
TEST_P(SearchFold, FoldsWidthCaseAndKana) {
    const FoldCase& c = GetParam();
    EXPECT_EQ(search::fold(QString::fromUtf16(c.text)), QString::fromUtf16(c.folded))
        << QString::fromUtf16(c.text).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Table, SearchFold,
                         testing::Values(FoldCase{u"ＪＡ１ａＢＣ－０", u"ja1abc-0"},
                                         FoldCase{u"ﾊﾟﾋﾟﾌﾟｻﾄｳ", u"ぱぴぷさとう"},
                                         FoldCase{u"ｳﾞｧｲｵﾘﾝ", u"ゔぁいおりん"},
                                         FoldCase{u"ヵヶｹｰｷ", u"ゕゖけーき"},
                                         FoldCase{u"ﾔﾏﾀﾞ ﾀﾛｳ　山田", u"やまだたろう山田"},
                                         FoldCase{u"・ヷ", u"・ヷ"},
                                         FoldCase{u"a\x1F\tb\n", u"ab"}));

// The texts of a key stay apart: a query never matches across two of them, but across the
// parts of one text.
TEST(SearchKey, FoldsEachTextAndKeepsThemApart) {
    search::KeyBuilder builder;
    builder.add(u"ＪＡ１ＡＢＣ").endText().add(u"").endText().add(u"ｻﾄｳ ").add(u"ﾊﾅｺ");
    const QString key = builder.take();
    EXPECT_EQ(key, QStringLiteral("ja1abc\x1F\x1Fさとうはなこ"));
    EXPECT_TRUE(key.contains(search::fold(u"うはな")));
    EXPECT_FALSE(key.contains(search::fold(u"abc\x1Fさ")));
    EXPECT_FALSE(key.contains(search::fold(u"abcさ")));
}

// fold() takes a short cut for the characters a register usually holds: it must agree with the
// definition for every character alone, and for every character of the short cut followed by
// a sound mark, a combining accent or one of its neighbours.
TEST(SearchShortCut, AgreesWithTheDefinition) {
    QString firsts;
    for (char32_t c = 0; c <= 0xFFFF; ++c) {
        const QString one{QChar(char16_t(c))};
        ASSERT_EQ(search::fold(one), search::foldByDefinition(one)) << std::hex << unsigned(c);
        const bool cjk = c >= 0x3400 && c <= 0x9FFF && c % 251 != 0;
        if ((c >= 0x3000 && c <= 0x30FF && !cjk) || c < 0x80 || c >= 0xFF01)
            firsts += one;
    }
    const QString seconds = QStringLiteral("\uFF9E\uFF9F\u3099\u309A\u0301Aｶか亜　");
    for (QChar first : firsts) {
        for (QChar second : seconds) {
            const QString pair = QString(first) + second;
            ASSERT_EQ(search::fold(pair), search::foldByDefinition(pair)) << qPrintable(pair);
        }
    }
}
