#include "platform/cp932.h"
#include "platform/width.h"

#include <QList>
#include <gtest/gtest.h>

TEST(Width, ToFullWidth) {
    const QList<QPair<QString, QString>> cases = {
        {u" ja1ABC "_qs, u"　ｊａ１ＡＢＣ　"_qs}, // case kept
        {u"!\"'-/\\~\t\r\n"_qs, u"！＂＇－／＼～\t\r\n"_qs},
        {u"ｶﾞﾊﾟﾊﾞｳﾞﾄﾞﾎﾟﾎﾞｿﾞ"_qs, u"ガパバヴドポボゾ"_qs},
        {u"ﾔﾏﾀﾞ ﾀﾛｳ"_qs, u"ヤマダ　タロウ"_qs},
        // Marks that belong to nothing stay marks of their own; ヷ and ヺ cannot be saved.
        {u"ﾞﾟｱｱﾞｶﾟｶﾞﾞﾜﾞｦﾞﾏﾟｶ"_qs, u"゛゜アア゛カ゜ガ゛ワ゛ヲ゛マ゜カ"_qs},
        {u"｡｢｣､･ｰｧｯｦﾝ"_qs, u"。「」、・ーァッヲン"_qs},
        {u"東京都ＪＡ１ガ　𠮷😀①¥é"_qs, u"東京都ＪＡ１ガ　𠮷😀①¥é"_qs},
        {u""_qs, u""_qs},
    };
    for (const auto& [narrow, wide] : cases)
        EXPECT_EQ(width::toFullWidth(narrow), wide) << qPrintable(narrow);

    // Every half-width kana with either mark becomes something that can be saved.
    for (char16_t kana = 0xFF61; kana <= 0xFF9F; ++kana) {
        for (const char16_t mark : {u'ﾞ', u'ﾟ'}) {
            const QString wide = width::toFullWidth(QString(QChar(kana)) + QChar(mark));
            EXPECT_TRUE(cp932::canEncode(wide) && !wide.contains(QChar(kana))) << int(kana);
        }
    }
}

// The ends of the three ranges and the signs beside them.
TEST(Width, NarrowAlphanumericsNarrowsOnlyLettersAndDigits) {
    EXPECT_EQ(width::narrowAlphanumerics(u"　ＪＡ１ａｂｃ／０９：＠ＡＺ［｀ａｚ｛ガｶ東"),
              u"　JA1abc／09：＠AZ［｀az｛ガｶ東"_qs);
}
