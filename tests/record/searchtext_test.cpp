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

INSTANTIATE_TEST_SUITE_P(
    Table, SearchFold,
    testing::Values(FoldCase{u"ＪＡ１ＡＢＣ", u"ja1abc"}, FoldCase{u"Ja1aBc", u"ja1abc"},
                    FoldCase{u"ｻﾄｳ", u"さとう"}, FoldCase{u"サトウ", u"さとう"},
                    FoldCase{u"ｶﾞ", u"が"}, FoldCase{u"ﾊﾟﾋﾟﾌﾟ", u"ぱぴぷ"},
                    FoldCase{u"ｳﾞｧｲｵﾘﾝ", u"ゔぁいおりん"}, FoldCase{u"ヴ", u"ゔ"},
                    FoldCase{u"ｹｰｷ", u"けーき"}, FoldCase{u"ヵヶ", u"ゕゖ"},
                    FoldCase{u"ﾔﾏﾀﾞ ﾀﾛｳ", u"やまだたろう"}, FoldCase{u"山田　太郎", u"山田太郎"},
                    FoldCase{u"１０２－００７４", u"102-0074"}, FoldCase{u"東京都", u"東京都"},
                    FoldCase{u"・ヷ", u"・ヷ"}, FoldCase{u"a\x1F\tb\n", u"ab"},
                    FoldCase{u"", u""}));

// The texts of a key stay apart: a query never matches across two of them.
TEST(SearchKey, FoldsEachTextAndKeepsThemApart) {
    const QString key = search::foldedKey({u"ＪＡ１ＡＢＣ", u"", u"ｻﾄｳ ﾊﾅｺ"});
    EXPECT_EQ(key, QStringLiteral("ja1abc\x1F\x1Fさとうはなこ"));
    EXPECT_TRUE(key.contains(search::fold(u"はなこ")));
    EXPECT_FALSE(key.contains(search::fold(u"abc\x1Fさ")));
    EXPECT_FALSE(key.contains(search::fold(u"abcさ")));
}
