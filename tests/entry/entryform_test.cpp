#include "entry/entryform.h"

#include <gtest/gtest.h>

using entryform::Texts;

namespace {

// Each box a text of its own, so that a box stored in another's field shows.
Texts complete() {
    return {u"ja1abc"_qs, u"関第123号"_qs, u"山田太郎"_qs, u"ﾔﾏﾀﾞ"_qs,   u"100-0001"_qs,
            u"住所一"_qs, u"住所二"_qs,    u"クラブ"_qs,   u"ｸﾗﾌﾞ"_qs,   u"申請者"_qs,
            u"ｼﾝｾｲｼｬ"_qs, u"100-0002"_qs,  u"申請一"_qs,   u"申請二"_qs, u"03-1111-2222"_qs};
}

} // namespace

TEST(EntryForm, StoredTextsWidenTheCallSignAndLicenceAndTrimHalfWidthSpaces) {
    Texts t = complete();
    t[0] = u" ja1abc "_qs;
    t[1] = u"ｶﾝ第12号"_qs;
    t[2] = u"  \u3000山田 "_qs;
    // Typed spaces have become ideographic spaces, which trimming keeps.
    EXPECT_EQ(entryform::storedText(t, 0), u"\u3000ｊａ１ａｂｃ\u3000"_qs);
    EXPECT_EQ(entryform::storedText(t, 1), u"カン第１２号"_qs);
    EXPECT_EQ(entryform::storedText(t, 2), u"\u3000山田"_qs);
    // Other boxes keep half-width forms.
    EXPECT_EQ(entryform::storedText(t, 3), u"ﾔﾏﾀﾞ"_qs);
}

TEST(EntryForm, RecordTakesEachBoxIntoItsOwnFieldCutToWidth) {
    Texts t = complete();
    t[2] = u"一二三四五六七八九十一二三四五六七"_qs; // 17 characters, the field holds 16
    const StationRecord r = entryform::toRecord(t, QDate(2025, 3, 31), u"移動局");
    EXPECT_EQ(r.trimmed(Field::CallSign), u"ｊａ１ａｂｃ"_qs);
    EXPECT_EQ(r.trimmed(Field::LicenceNo), u"関第１２３号"_qs);
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

TEST(EntryForm, TextTheDataFileCannotHoldIsNamedWithItsBox) {
    EXPECT_EQ(entryform::unstorableMessage(complete(), u"固定局"), QString());
    Texts t = complete();
    t[2] = u"𠮷田"_qs;
    const QString name = entryform::unstorableMessage(t, u"固定局");
    EXPECT_TRUE(name.contains(u"「氏名」")) << name.toStdString();
    EXPECT_TRUE(name.contains(u"「𠮷」(U+20BB7)")) << name.toStdString();

    // The first box that cannot be stored is named.
    t = complete();
    t[13] = u"部屋😀"_qs;
    t[14] = u"☎03"_qs;
    const QString address = entryform::unstorableMessage(t, u"固定局");
    EXPECT_TRUE(address.startsWith(u"「申請書住所2」")) << address.toStdString();
    EXPECT_TRUE(address.contains(u"(U+1F600)")) << address.toStdString();

    // A character that becomes storable once widened is fine; one that stays is not.
    t = complete();
    t[0] = u"JA1ABC"_qs;
    EXPECT_EQ(entryform::unstorableMessage(t, u"固定局"), QString());
    t[0] = u"JA1ÅBC"_qs;
    EXPECT_TRUE(entryform::unstorableMessage(t, u"固定局").contains(u"「コールサイン」"));
    EXPECT_TRUE(
        entryform::unstorableMessage(complete(), u"移動\U0001F697").contains(u"「免許種別」"));
    // Every box has a name of its own.
    for (int a = 0; a < entryform::kBoxCount; ++a) {
        for (int b = a + 1; b < entryform::kBoxCount; ++b)
            EXPECT_NE(entryform::boxName(a), entryform::boxName(b));
    }
}
