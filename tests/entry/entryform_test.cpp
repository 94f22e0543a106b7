#include "entry/entryform.h"
#include "platform/cp932.h"

#include <gtest/gtest.h>

using entryform::Texts;

namespace {

Texts complete() {
    Texts t;
    t[0] = u"ja1abc"_qs;
    t[1] = u"関第123号"_qs;
    t[2] = u"山田太郎"_qs;
    t[3] = u"ﾔﾏﾀﾞ"_qs;
    t[4] = u"100-0001"_qs;
    t[5] = u"東京都千代田区1"_qs;
    t[6] = u"二行目"_qs;
    t[7] = u"クラブ"_qs;
    t[8] = u"ｸﾗﾌﾞ"_qs;
    t[9] = u"申請者"_qs;
    t[10] = u"ｼﾝｾｲｼｬ"_qs;
    t[11] = u"100-0002"_qs;
    t[12] = u"申請書住所一"_qs;
    t[13] = u"申請書住所二"_qs;
    t[14] = u"03-1111-2222"_qs;
    return t;
}

} // namespace

TEST(EntryForm, OnlyHalfWidthSpacesMakeARequiredFieldEmpty) {
    Texts t = complete();
    t[0] = u"\u3000"_qs; // an ideographic space is text
    t[1] = u"   "_qs;
    t[3] = QString(); // other boxes are never required
    t[14] = QString();
    EXPECT_EQ(entryform::missingFieldsMessage(t, u"x"), u"免許番号\u3000を入力してください"_qs);
}

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
    EXPECT_EQ(r.trimmed(Field::HolderKana), t[3]);
    EXPECT_EQ(r.trimmed(Field::StationZip), t[4]);
    EXPECT_EQ(r.trimmed(Field::StationAddr1), t[5]);
    EXPECT_EQ(r.trimmed(Field::StationAddr2), t[6]);
    EXPECT_EQ(r.trimmed(Field::ClubName), t[7]);
    EXPECT_EQ(r.trimmed(Field::ClubKana), t[8]);
    EXPECT_EQ(r.trimmed(Field::ApplicantName), t[9]);
    EXPECT_EQ(r.trimmed(Field::ApplicantKana), t[10]);
    EXPECT_EQ(r.trimmed(Field::ApplicantZip), t[11]);
    EXPECT_EQ(r.trimmed(Field::ApplicantAddr1), t[12]);
    EXPECT_EQ(r.trimmed(Field::ApplicantAddr2), t[13]);
    EXPECT_EQ(r.trimmed(Field::ApplicantTel), t[14]);
    EXPECT_EQ(r.trimmed(Field::StationType), u"移動局"_qs);
    EXPECT_EQ(r.expiry(), QDate(2025, 3, 31));
    EXPECT_EQ(r.ExpiryDate, 45747.0);
}

TEST(EntryForm, TextTheDataFileCannotHoldIsNamedWithItsBox) {
    EXPECT_EQ(entryform::unstorableMessage(complete(), u"固定局"), QString());

    Texts t = complete();
    t[2] = u"𠮷田"_qs;
    const QString name = entryform::unstorableMessage(t, u"固定局");
    EXPECT_TRUE(name.contains(u"「氏名」")) << name.toStdString();
    EXPECT_TRUE(name.contains(u"「𠮷」(U+20BB7)")) << name.toStdString();

    t = complete();
    t[13] = u"部屋😀"_qs;
    t[14] = u"☎03"_qs;
    const QString address = entryform::unstorableMessage(t, u"固定局");
    EXPECT_TRUE(address.contains(u"「申請書住所2」")) << address.toStdString();
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
