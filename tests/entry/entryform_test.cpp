// What the entry dialogs do with their texts apart from any widget: the record they make and
// the messages for text the data file cannot keep.
#include "entry/entryform.h"
#include "entryfixture.h"

using entryform::Texts;

TEST(EntryForm, RecordTakesEachBoxIntoItsOwnFieldWidenedTrimmedAndCutToWidth) {
    const Texts valid = EntryHarness::validTexts();
    Texts t = valid;
    t[0] = u" ja1abc "_qs;
    t[1] = u"ｶﾝ第12号"_qs;
    t[2] = u"一二三四五六七八九十一二三四五六七"_qs; // 17 characters, the field holds 16
    t[14] = u"  "_qs + valid[14] + u" "_qs;
    const StationRecord r = entryform::toRecord(t, QDate(2025, 3, 31), u"移動局");
    // Typed spaces have become ideographic spaces, which trimming keeps.
    EXPECT_EQ(r.trimmed(Field::CallSign), u"\u3000ｊａ１ａｂｃ\u3000"_qs);
    EXPECT_EQ(r.trimmed(Field::LicenceNo), u"カン第１２号"_qs);
    EXPECT_EQ(r.trimmed(Field::HolderName), u"一二三四五六七八九十一二三四五六"_qs);
    // The other boxes keep half-width forms.
    const Field rest[] = {Field::HolderKana,     Field::StationZip,     Field::StationAddr1,
                          Field::StationAddr2,   Field::ClubName,       Field::ClubKana,
                          Field::ApplicantName,  Field::ApplicantKana,  Field::ApplicantZip,
                          Field::ApplicantAddr1, Field::ApplicantAddr2, Field::ApplicantTel};
    for (size_t i = 0; i < std::size(rest); ++i)
        EXPECT_EQ(r.trimmed(rest[i]), valid[i + 3]) << i + 3;
    EXPECT_EQ(r.trimmed(Field::StationType), u"移動局"_qs);
    EXPECT_EQ(r.ExpiryDate, 45747.0); // 2025-03-31 as a day count, no time of day
}

// Text the data file cannot hold is named with its code; text longer than its field keeps is
// named with its room, in the dialog's name for the box.
TEST(EntryForm, TextTheDataFileCannotKeepIsNamedWithItsCodeOrItsRoom) {
    entryform::BoxNames names;
    names[2] = u"氏名"_qs;
    Texts t = EntryHarness::validTexts();
    t[0] = u"JA1ABC"_qs; // 12 bytes once widened: fits
    EXPECT_EQ(entryform::unstorableMessage(t, u"固定局"), QString());
    EXPECT_EQ(entryform::overlongMessage(t, u"固定局", names), QString());
    EXPECT_TRUE(entryform::unstorableMessage(t, u"移動\U0001F697").startsWith(u"「免許種別」"));
    EXPECT_EQ(entryform::overlongMessage(t, u"固定局A", names),
              u"「免許種別」は全角3文字（6バイト）までです。"_qs);
    t[2] = u"一二三四五六七八九"_qs;
    EXPECT_EQ(entryform::overlongMessage(t, u"固定局", names),
              u"「氏名」は全角8文字（16バイト）までです。"_qs);
    t[2] = u"𠮷田"_qs;
    EXPECT_EQ(entryform::unstorableMessage(t, u"固定局"),
              u"「氏名」にデータファイルに保存できない文字「𠮷」(U+20BB7)があります。"
              u"別の文字に置き換えてください。"_qs);
}
