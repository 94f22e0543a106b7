#include "entry/entryform.h"
#include "entryfixture.h"

using entryform::Texts;

TEST(EntryForm, StoredTextsWidenTheCallSignAndLicenceAndTrimHalfWidthSpaces) {
    Texts t = EntryHarness::validTexts();
    t[0] = u" ja1abc "_qs;
    t[1] = u"ｶﾝ第12号"_qs;
    t[2] = u"  \u3000山田 "_qs;
    // Typed spaces have become ideographic spaces, which trimming keeps.
    EXPECT_EQ(entryform::storedText(t, 0), u"\u3000ｊａ１ａｂｃ\u3000"_qs);
    EXPECT_EQ(entryform::storedText(t, 1), u"カン第１２号"_qs);
    EXPECT_EQ(entryform::storedText(t, 2), u"\u3000山田"_qs);
    EXPECT_EQ(entryform::storedText(t, 3), u"ｽｽﾞｷ"_qs); // other boxes keep half-width forms
}

TEST(EntryForm, RecordTakesEachBoxIntoItsOwnFieldCutToWidth) {
    Texts t = EntryHarness::validTexts();
    t[2] = u"一二三四五六七八九十一二三四五六七"_qs; // 17 characters, the field holds 16
    const StationRecord r = entryform::toRecord(t, QDate(2025, 3, 31), u"移動局");
    EXPECT_EQ(r.trimmed(Field::CallSign), u"ｊａ１ｘｙｚ"_qs);
    EXPECT_EQ(r.trimmed(Field::LicenceNo), u"関第１２号"_qs);
    EXPECT_EQ(r.trimmed(Field::HolderName), u"一二三四五六七八九十一二三四五六"_qs);
    const Field rest[] = {Field::HolderKana,     Field::StationZip,     Field::StationAddr1,
                          Field::StationAddr2,   Field::ClubName,       Field::ClubKana,
                          Field::ApplicantName,  Field::ApplicantKana,  Field::ApplicantZip,
                          Field::ApplicantAddr1, Field::ApplicantAddr2, Field::ApplicantTel};
    for (size_t i = 0; i < std::size(rest); ++i)
        EXPECT_EQ(r.trimmed(rest[i]), t[i + 3]) << i + 3;
    EXPECT_EQ(r.trimmed(Field::StationType), u"移動局"_qs);
    EXPECT_EQ(r.ExpiryDate, 45747.0); // 2025-03-31 as a day count, no time of day
}

TEST(EntryForm, TextTheDataFileCannotHoldIsNamedWithItsCode) {
    const auto message = [](size_t box, const QString& text, const QString& type = u"固定局"_qs) {
        Texts t = EntryHarness::validTexts();
        t[box] = text;
        return entryform::unstorableMessage(t, type);
    };
    EXPECT_EQ(message(0, u"JA1ABC"_qs), QString()); // storable once widened
    EXPECT_EQ(message(2, u"𠮷田"_qs),
              u"「氏名」にデータファイルに保存できない文字「𠮷」(U+20BB7)があります。"
              u"別の文字に置き換えてください。"_qs);
    EXPECT_TRUE(message(13, u"部屋😀"_qs).startsWith(u"「申請書住所2」"));
    EXPECT_TRUE(message(0, u"JA1ÅBC"_qs).startsWith(u"「コールサイン」"));
    EXPECT_TRUE(message(3, u"ｽｽﾞｷ"_qs, u"移動\U0001F697"_qs).startsWith(u"「免許種別」"));
    // Every box has a name of its own.
    for (int a = 0; a < entryform::kBoxCount; ++a) {
        for (int b = a + 1; b < entryform::kBoxCount; ++b)
            EXPECT_NE(entryform::boxName(a), entryform::boxName(b));
    }
}
