#include "print/core/printfill.h"
#include "print/core/recordingsurface.h"

#include <gtest/gtest.h>

using namespace printfill;

namespace {

// Every field holds a text of its own, so that a box filled from the wrong field shows.
StationRecord sampleRecord(QStringView club = u"") {
    StationRecord r;
    r.setExpiry(QDate(2030, 2, 28));
    r.set(Field::CallSign, u"ja1abc");
    r.set(Field::LicenceNo, u" 関第12345号 ");
    r.set(Field::ClubName, club);
    const std::pair<Field, const char16_t*> texts[] = {
        {Field::ClubKana, u"ｸﾗﾌﾞ"},          {Field::StationZip, u"765-4321"},
        {Field::StationAddr1, u"設置場所1"}, {Field::StationAddr2, u"設置場所2"},
        {Field::ApplicantName, u"山田"},     {Field::ApplicantKana, u"ﾔﾏﾀﾞ"},
        {Field::ApplicantZip, u"123-4567"},  {Field::ApplicantAddr1, u"住所1"},
        {Field::ApplicantAddr2, u"住所2"},   {Field::ApplicantTel, u"03-1234-5678"}};
    for (const auto& [field, text] : texts)
        r.set(field, text);
    return r;
}

} // namespace

TEST(PrintFill, LicenceDateIsExpiryPlusOneDayMinusFiveYears) {
    EXPECT_EQ(licenceDate(QDate(2030, 2, 28)), QDate(2025, 3, 1));
    EXPECT_EQ(licenceDate(QDate(2028, 2, 28)), QDate(2023, 2, 28)); // no 29 February 2023
    EXPECT_EQ(licenceDate(QDate(2029, 12, 31)), QDate(2025, 1, 1));
    EXPECT_FALSE(licenceDate(QDate()).isValid());
}

TEST(PrintFill, FirstOpeningShowsTheRecordAndNoPrepayment) {
    PrintData data;
    data.PrintDocs = {1, 1, 1, 1, 1};
    FormState form;
    loadDefaults(form, data);
    EXPECT_EQ(FillFromRecord(form, data, sampleRecord(), QDate(2025, 4, 3)), 1);
    EXPECT_EQ(data.PrintDocs, (std::array<qint16, 5>{0, 0, 0, 0, 1}));
    EXPECT_EQ(form.docs, (std::array<bool, 3>{}));
    EXPECT_EQ(data.BureauEnvelopeNote, QStringLiteral("アマチュア局 再免許申請書在中"));
    EXPECT_EQ(data.ReturnEnvelopeNote, QStringLiteral("アマチュア局 免許状在中"));
    const std::vector<QString> boxes(form.boxes.begin(), form.boxes.end());
    EXPECT_EQ(boxes, (std::vector<QString>{"ｊａ１ａｂｃ", "関第12345号", "", "令和7年03月01日",
                                           "令和12年02月28日", "", "ｸﾗﾌﾞ", "765-4321", "設置場所1",
                                           "設置場所2", "山田", "ﾔﾏﾀﾞ", "123-4567", "住所1",
                                           "住所2", "03-1234-5678"}));
    EXPECT_EQ(form.appDate, QStringLiteral("令和7年04月03日"));
    // "無" ticked; the period unticked and disabled; Text2 empty, grey and disabled.
    EXPECT_EQ(form.prepayAnswer, (std::array<bool, 2>{true, false}));
    EXPECT_EQ(form.prepayPeriod, (std::array<bool, 2>{false, false}));
    EXPECT_FALSE(form.periodEnabled || form.yearsEnabled || form.yearsWindowBackground);
    EXPECT_FALSE(form.printDate || form.registeredMail || form.disposalHistory || form.club);
}

TEST(PrintFill, StoredAnswersComeBackAndBoxesFiveToFifteenAlwaysFromTheRecord) {
    PrintData data;
    data.PrintClubFlag = 1; // a club printed last time
    FormState form;
    const StationRecord record = sampleRecord();
    FillFromRecord(form, data, record, QDate(2025, 4, 3));
    EXPECT_FALSE(form.club); // this record has no club name
    for (QString& box : form.boxes)
        box = QStringLiteral(" edited ") + box;
    form.printDate = form.disposalHistory = true;
    form.appDate = QStringLiteral("令和7年5月6日");
    form.prepayAnswer = form.prepayPeriod = {false, true};
    form.years = QStringLiteral(" 3 ");
    StorePrintData(form, data, record);
    const std::vector<QString> stored{
        data.PrintCallSign,     data.PrintLicenceNo,      data.PrintDest,
        data.PrintLicenceDate,  data.PrintExpiry,         data.PrintClubName,
        data.PrintClubKana,     data.PrintApplicantName,  data.PrintApplicantKana,
        data.PrintApplicantZip, data.PrintApplicantAddr1, data.PrintApplicantAddr2,
        data.PrintApplicantTel, data.PrintAppDate,        data.PrepayYears};
    EXPECT_EQ(stored, (std::vector<QString>{"edited ｊａ１ａｂｃ", "edited 関第12345号", "edited",
                                            "edited 令和7年03月01日", "edited 令和12年02月28日", "",
                                            "ｸﾗﾌﾞ", "山田", "ﾔﾏﾀﾞ", "123-4567", "住所1", "住所2",
                                            "03-1234-5678", "令和7年5月6日", " 3 "}));
    EXPECT_EQ(data.PrintClubFlag, 0);
    EXPECT_EQ(data.PrintDateFlag, 1);
    EXPECT_EQ(data.DisposalHistory, 1);
    EXPECT_EQ(data.PrepayAnswer + 10 * data.PrepayPeriod, 11);

    // The next opening shows the answers; Text2 stays grey until "その他" is clicked again.
    FormState again;
    FillFromRecord(again, data, sampleRecord(u"無線クラブ"), QDate(2026, 1, 1));
    EXPECT_EQ(again.prepayAnswer, (std::array<bool, 2>{false, true}));
    EXPECT_EQ(again.prepayPeriod, (std::array<bool, 2>{false, true}));
    EXPECT_TRUE(again.periodEnabled && again.yearsEnabled && !again.yearsWindowBackground);
    EXPECT_EQ(again.years, QStringLiteral(" 3 "));
    EXPECT_TRUE(again.printDate && again.disposalHistory && again.club);
    EXPECT_EQ(again.appDate, QStringLiteral("令和7年5月6日"));
    EXPECT_EQ(data.PrintClubFlag, 1);
    // A pair with neither box ticked leaves its stored value alone.
    again.prepayAnswer = again.prepayPeriod = {false, false};
    StorePrintData(again, data, record);
    EXPECT_EQ(data.PrepayAnswer + 10 * data.PrepayPeriod, 11);
}

TEST(PrintFill, PrepaymentRulesIgnoreTheClickedBox) {
    FormState form;
    form.prepayAnswer = form.prepayPeriod = {true, true};
    form.years = QStringLiteral("5");
    form.yearsWindowBackground = true;
    prepayAnswerReleased(form, 0); // "無", clicked on or off, disables the period
    EXPECT_EQ(form.prepayAnswer, (std::array<bool, 2>{true, false}));
    EXPECT_EQ(form.prepayPeriod, (std::array<bool, 2>{false, false}));
    EXPECT_FALSE(form.periodEnabled || form.yearsEnabled || form.yearsWindowBackground);
    EXPECT_TRUE(form.years.isEmpty());
    prepayAnswerReleased(form, 1);
    EXPECT_FALSE(form.prepayAnswer[0]);
    EXPECT_TRUE(form.periodEnabled && !form.yearsEnabled); // Text2 waits for "その他"
    form.prepayPeriod[0] = true;
    prepayPeriodReleased(form, 1);
    EXPECT_FALSE(form.prepayPeriod[0]);
    EXPECT_TRUE(form.yearsEnabled && form.yearsWindowBackground);
    form.years = QStringLiteral("2");
    form.prepayPeriod[1] = true;
    prepayPeriodReleased(form, 0);
    EXPECT_FALSE(form.prepayPeriod[1] || form.yearsEnabled || form.yearsWindowBackground);
    EXPECT_TRUE(form.years.isEmpty());
}

TEST(PrintFill, DateSpinnerStepsToTheUnpaddedText) {
    const auto step = [](const char16_t* from, int unit, int by) {
        return stepApplicationDate(QString::fromUtf16(from), unit, by)
            .value_or(QStringLiteral("-"));
    };
    EXPECT_EQ(step(u"令和7年01月31日", 1, 1), QStringLiteral("令和7年2月28日"));
    EXPECT_EQ(step(u"令和10年1月31日", 1, 1), QStringLiteral("令和10年2月29日"));
    EXPECT_EQ(step(u"令和8年1月1日", 2, -1), QStringLiteral("令和7年12月31日"));
    EXPECT_EQ(step(u"令和7年04月03日", 0, 1), QStringLiteral("令和8年4月3日"));
    EXPECT_EQ(step(u"令和1年5月1日", 2, -1), QStringLiteral("平成31年4月30日"));
    EXPECT_EQ(step(u"not a date", 2, 1), QStringLiteral("-"));
    EXPECT_EQ(step(u"明治6年1月1日", 2, -1), QStringLiteral("-")); // before the calendar
    EXPECT_EQ(step(u"令和7年1月1日", 3, 1), QStringLiteral("-"));
}

TEST(PrintFill, DocumentsAreTakenInOrderForEveryCombination) {
    for (int mask = 0; mask < 8; ++mask) {
        PrintData data;
        data.PrintDocs = {qint16(mask & 1), qint16(mask >> 1 & 1), qint16(mask >> 2 & 1), 1, 1};
        std::vector<int> expected, seen;
        for (int i = 0; i < 3; ++i) {
            if (mask >> i & 1)
                expected.push_back(i);
        }
        for (auto doc = firstDocument(data); doc; doc = nextDocument(data, *doc))
            seen.push_back(*doc);
        EXPECT_EQ(seen, expected) << mask;
        EXPECT_EQ(documentCount(data), int(expected.size())) << mask;
    }
}

TEST(PrintFill, PrintDataForARecordWithoutTheWindow) {
    PrintData remembered;
    remembered.DisposalHistory = remembered.RegisteredMail = 1;
    BureauValues bureau;
    bureau.AreaSouTsu = QStringLiteral("関東総合通信局長　殿");
    const PrintData data =
        printDataForRecord(sampleRecord(u"無線クラブ"), remembered, bureau, QDate(2025, 4, 3));
    EXPECT_EQ(data.PrintDest, QStringLiteral("関東総合通信局長　殿"));
    EXPECT_EQ(data.PrintApplicantAddr1, QStringLiteral("住所1"));
    EXPECT_EQ(data.PrintAppDate, QStringLiteral("令和7年04月03日"));
    EXPECT_TRUE(data.DisposalHistory == 1 && data.RegisteredMail == 1 && data.PrintClubFlag == 1);
    EXPECT_EQ(data.PrintDocs, (std::array<qint16, 5>{1, 1, 1, 0, 0}));
    RecordingSurface surface(QSizeF(100, 100)); // an unknown document draws nothing
    EXPECT_TRUE(drawDocument(surface, 3, 3, {data, bureau, SettingsValues()}).ok);
    EXPECT_TRUE(surface.elements().empty());
}
