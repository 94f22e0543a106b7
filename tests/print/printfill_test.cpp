#include "print/core/printfill.h"
#include "print/core/recordingsurface.h"
#include "record/eradate.h"

#include <gtest/gtest.h>

using namespace printfill;

namespace {

StationRecord sampleRecord(QDate expiry = QDate(2030, 2, 28)) {
    StationRecord r;
    r.set(Field::CallSign, u"ja1abc");
    r.set(Field::LicenceNo, u"関第12345号");
    r.setExpiry(expiry);
    r.set(Field::ApplicantName, u"山田　太郎");
    r.set(Field::ApplicantKana, u"ﾔﾏﾀﾞ ﾀﾛｳ");
    r.set(Field::ApplicantZip, u"123-4567");
    r.set(Field::ApplicantAddr1, u"東京都千代田区");
    r.set(Field::ApplicantAddr2, u"1-2-3");
    r.set(Field::ApplicantTel, u"03-1234-5678");
    r.set(Field::StationZip, u"765-4321");
    return r;
}

} // namespace

TEST(PrintFill, LicenceDateIsExpiryPlusOneDayMinusFiveYears) {
    EXPECT_EQ(licenceDate(QDate(2030, 2, 28)), QDate(2025, 3, 1));
    // 29 February 2028 minus five years falls on the last day of February.
    EXPECT_EQ(licenceDate(QDate(2028, 2, 28)), QDate(2023, 2, 28));
    EXPECT_EQ(licenceDate(QDate(2029, 12, 31)), QDate(2025, 1, 1));
    EXPECT_EQ(licenceDate(QDate(2029, 2, 28)), QDate(2024, 3, 1));
    EXPECT_FALSE(licenceDate(QDate()).isValid());
}

TEST(PrintFill, FirstOpeningShowsRecordAndDefaults) {
    PrintData data;
    FormState form;
    loadDefaults(form, data);
    EXPECT_EQ(data.BureauEnvelopeNote, QStringLiteral("アマチュア局 再免許申請書在中"));
    EXPECT_EQ(data.ReturnEnvelopeNote, QStringLiteral("アマチュア局 免許状在中"));
    const int area = FillFromRecord(form, data, sampleRecord(), QDate(2025, 4, 3));
    EXPECT_EQ(area, 1);
    // A half-width call sign shows full-width.
    EXPECT_EQ(form.boxes[CallSignBox], QStringLiteral("ｊａ１ａｂｃ"));
    EXPECT_EQ(form.boxes[LicenceNoBox], QStringLiteral("関第12345号"));
    EXPECT_EQ(form.boxes[LicenceDateBox], QStringLiteral("令和7年03月01日"));
    EXPECT_EQ(form.boxes[ExpiryBox], QStringLiteral("令和12年02月28日"));
    EXPECT_TRUE(form.boxes[DestinationBox].isEmpty());
    EXPECT_EQ(form.boxes[7], QStringLiteral("765-4321"));
    EXPECT_EQ(form.boxes[10], QStringLiteral("山田　太郎"));
    EXPECT_EQ(form.boxes[15], QStringLiteral("03-1234-5678"));
    // "無" ticked, the period boxes unticked and disabled, Text2 empty, grey and disabled.
    EXPECT_TRUE(form.prepayAnswer[0]);
    EXPECT_FALSE(form.prepayAnswer[1]);
    EXPECT_FALSE(form.prepayPeriod[0] || form.prepayPeriod[1]);
    EXPECT_FALSE(form.periodEnabled);
    EXPECT_TRUE(form.years.isEmpty());
    EXPECT_FALSE(form.yearsEnabled);
    EXPECT_FALSE(form.yearsWindowBackground);
    EXPECT_EQ(form.appDate, QStringLiteral("令和7年04月03日"));
    EXPECT_FALSE(form.printDate || form.registeredMail || form.disposalHistory || form.club);
    EXPECT_EQ(data.PrintClubFlag, 0);
}

TEST(PrintFill, ClubBoxFollowsTheRecord) {
    PrintData data;
    FormState form;
    StationRecord club = sampleRecord();
    club.set(Field::ClubName, u"無線クラブ");
    FillFromRecord(form, data, club, QDate(2025, 1, 1));
    EXPECT_TRUE(form.club);
    EXPECT_EQ(data.PrintClubFlag, 1);

    // A record without club name leaves the box unticked even after a club print.
    FormState next;
    FillFromRecord(next, data, sampleRecord(), QDate(2025, 1, 1));
    EXPECT_FALSE(next.club);
}

TEST(PrintFill, StoreRefillsRecordBoxesAndKeepsAnswersAcrossOpenings) {
    PrintData data;
    FormState form;
    loadDefaults(form, data);
    const StationRecord record = sampleRecord();
    FillFromRecord(form, data, record, QDate(2025, 4, 3));
    form.boxes[DestinationBox] = QStringLiteral(" 関東総合通信局長　殿 ");
    form.boxes[CallSignBox] = QStringLiteral("  ＪＡ１ＡＢＣ ");
    // Edits of boxes 5 to 15 never reach the print data.
    form.boxes[10] = QStringLiteral("別人");
    form.boxes[13] = QStringLiteral("別の住所");
    prepayAnswerReleased(form, 1);
    prepayPeriodReleased(form, 1);
    form.prepayAnswer[1] = true;
    form.prepayPeriod[1] = true;
    form.years = QStringLiteral(" 3 ");
    form.printDate = true;
    form.appDate = QStringLiteral("令和7年5月6日");
    form.disposalHistory = true;
    StorePrintData(form, data, record);

    EXPECT_EQ(data.PrintDest, QStringLiteral("関東総合通信局長　殿"));
    EXPECT_EQ(data.PrintCallSign, QStringLiteral("ＪＡ１ＡＢＣ"));
    EXPECT_EQ(data.PrintApplicantName, QStringLiteral("山田　太郎"));
    EXPECT_EQ(form.boxes[10], QStringLiteral("山田　太郎"));
    EXPECT_EQ(data.PrintApplicantAddr1, QStringLiteral("東京都千代田区"));
    EXPECT_EQ(data.PrintApplicantZip, QStringLiteral("123-4567"));
    EXPECT_EQ(data.PrintLicenceDate, QStringLiteral("令和7年03月01日"));
    EXPECT_EQ(data.PrintExpiry, QStringLiteral("令和12年02月28日"));
    EXPECT_EQ(data.PrepayAnswer, 1);
    EXPECT_EQ(data.PrepayPeriod, 1);
    EXPECT_EQ(data.PrepayYears, QStringLiteral(" 3 ")); // untrimmed
    EXPECT_EQ(data.PrintDateFlag, 1);
    EXPECT_EQ(data.PrintAppDate, QStringLiteral("令和7年5月6日"));
    EXPECT_EQ(data.DisposalHistory, 1);
    EXPECT_EQ(data.PrintClubFlag, 0);

    // The next opening shows the remembered answers; Text2 keeps its grey look.
    FormState again;
    loadDefaults(again, data);
    FillFromRecord(again, data, record, QDate(2026, 1, 1));
    EXPECT_TRUE(again.prepayAnswer[1]);
    EXPECT_FALSE(again.prepayAnswer[0]);
    EXPECT_TRUE(again.prepayPeriod[1]);
    EXPECT_TRUE(again.periodEnabled);
    EXPECT_EQ(again.years, QStringLiteral(" 3 "));
    EXPECT_FALSE(again.yearsWindowBackground);
    EXPECT_TRUE(again.printDate);
    EXPECT_EQ(again.appDate, QStringLiteral("令和7年5月6日"));
    EXPECT_TRUE(again.disposalHistory);

    // A pair with neither box ticked leaves its stored value alone.
    again.prepayPeriod = {false, false};
    StorePrintData(again, data, record);
    EXPECT_EQ(data.PrepayPeriod, 1);
}

TEST(PrintFill, PrepaymentRulesIgnoreTheClickedBox) {
    FormState form;
    form.prepayAnswer = {true, true};
    form.prepayPeriod = {true, true};
    form.years = QStringLiteral("5");
    form.yearsWindowBackground = true;

    // "無" always disables the period, whatever its own state.
    prepayAnswerReleased(form, 0);
    EXPECT_TRUE(form.prepayAnswer[0]);
    EXPECT_FALSE(form.prepayAnswer[1]);
    EXPECT_FALSE(form.prepayPeriod[0] || form.prepayPeriod[1]);
    EXPECT_FALSE(form.periodEnabled);
    EXPECT_TRUE(form.years.isEmpty());
    EXPECT_FALSE(form.yearsEnabled);
    EXPECT_FALSE(form.yearsWindowBackground);

    form.prepayAnswer[0] = false; // a second click unticks "無": still disabled afterwards
    prepayAnswerReleased(form, 0);
    EXPECT_FALSE(form.periodEnabled);

    prepayAnswerReleased(form, 1);
    EXPECT_FALSE(form.prepayAnswer[0]);
    EXPECT_TRUE(form.periodEnabled);
    EXPECT_FALSE(form.yearsEnabled); // Text2 waits for "その他"

    prepayPeriodReleased(form, 1);
    EXPECT_TRUE(form.yearsEnabled);
    EXPECT_TRUE(form.yearsWindowBackground);
    form.years = QStringLiteral("2");
    form.prepayPeriod[0] = true;
    prepayPeriodReleased(form, 0);
    EXPECT_FALSE(form.prepayPeriod[1]);
    EXPECT_TRUE(form.years.isEmpty());
    EXPECT_FALSE(form.yearsEnabled);
    EXPECT_FALSE(form.yearsWindowBackground);
}

TEST(PrintFill, DateSpinnerSteps) {
    // The first click turns the padded text into the unpadded one.
    EXPECT_EQ(stepApplicationDate(QStringLiteral("令和7年01月31日"), 1, 1),
              QStringLiteral("令和7年2月28日"));
    EXPECT_EQ(stepApplicationDate(QStringLiteral("令和8年1月31日"), 1, 1),
              QStringLiteral("令和8年2月28日"));
    EXPECT_EQ(stepApplicationDate(QStringLiteral("令和10年1月31日"), 1, 1),
              QStringLiteral("令和10年2月29日"));
    EXPECT_EQ(stepApplicationDate(QStringLiteral("令和8年1月1日"), 2, -1),
              QStringLiteral("令和7年12月31日"));
    EXPECT_EQ(stepApplicationDate(QStringLiteral("令和7年04月03日"), 0, 1),
              QStringLiteral("令和8年4月3日"));
    // Across an era boundary.
    EXPECT_EQ(stepApplicationDate(QStringLiteral("令和1年5月1日"), 2, -1),
              QStringLiteral("平成31年4月30日"));
    // Text that is not a date, or a step out of the calendar, changes nothing.
    EXPECT_FALSE(stepApplicationDate(QStringLiteral("not a date"), 2, 1).has_value());
    EXPECT_FALSE(stepApplicationDate(QStringLiteral("明治6年1月1日"), 2, -1).has_value());
    EXPECT_FALSE(stepApplicationDate(QStringLiteral("令和7年1月1日"), 3, 1).has_value());
}

TEST(PrintFill, BlinkCycleIsFiveRedFlashes) {
    int counter = 0;
    std::vector<bool> reds;
    bool stopped = false;
    for (int i = 0; i < 10; ++i) {
        ASSERT_FALSE(stopped);
        const BlinkTick tick = blinkTick(counter);
        reds.push_back(tick.red);
        stopped = tick.stop;
    }
    EXPECT_TRUE(stopped);
    EXPECT_EQ(counter, 0);
    EXPECT_EQ(reds,
              (std::vector<bool>{true, false, true, false, true, false, true, false, true, false}));
}

TEST(PrintFill, DocumentPagingForEveryCombination) {
    for (int mask = 0; mask < 8; ++mask) {
        SCOPED_TRACE(mask);
        PrintData data;
        std::vector<int> expected;
        for (int i = 0; i < 3; ++i) {
            data.PrintDocs[size_t(i)] = (mask >> i) & 1;
            if ((mask >> i) & 1)
                expected.push_back(i);
        }
        std::vector<int> seen;
        for (auto doc = firstDocument(data); doc; doc = nextDocument(data, *doc))
            seen.push_back(*doc);
        EXPECT_EQ(seen, expected);
        EXPECT_EQ(documentCount(data), int(expected.size()));
    }
    // Slots 3 and 4 carry no document.
    PrintData extra;
    extra.PrintDocs = {0, 0, 0, 1, 1};
    EXPECT_FALSE(firstDocument(extra).has_value());
}

TEST(PrintFill, PrintDataForRecordWithoutWindow) {
    PrintData remembered;
    remembered.PrepayAnswer = 1;
    remembered.PrepayPeriod = 1;
    remembered.PrepayYears = QStringLiteral("3");
    BureauValues bureau;
    bureau.AreaSouTsu = QStringLiteral("関東総合通信局長　殿");
    const PrintData data =
        printDataForRecord(sampleRecord(), remembered, bureau, QDate(2025, 4, 3));
    EXPECT_EQ(data.PrintDest, QStringLiteral("関東総合通信局長　殿"));
    EXPECT_EQ(data.PrintCallSign, QStringLiteral("ｊａ１ａｂｃ"));
    EXPECT_EQ(data.PrintAppDate, QStringLiteral("令和7年04月03日"));
    EXPECT_EQ(data.PrepayAnswer, 1);
    EXPECT_EQ(data.PrepayYears, QStringLiteral("3"));
    EXPECT_EQ(documentCount(data), 3);
}

TEST(PrintFill, DrawDocumentPicksTheLayout) {
    PrintData print;
    print.BureauEnvelopeNote = QStringLiteral("bureau note");
    print.ReturnEnvelopeNote = QStringLiteral("return note");
    BureauValues bureau;
    SettingsValues settings;
    const PageInputs inputs{print, bureau, settings};
    const auto texts = [&](int doc) {
        RecordingSurface surface(QSizeF(11906, 16838));
        drawDocument(surface, doc, 3, inputs);
        QStringList all;
        for (const PageElement& e : surface.elements())
            all << e.text;
        return all;
    };
    // The form, and each envelope with its own note; nothing is drawn for an unknown document.
    EXPECT_TRUE(texts(0).contains(QStringLiteral("再免許")));
    EXPECT_FALSE(texts(0).contains(QStringLiteral("bureau note")));
    EXPECT_TRUE(texts(1).contains(QStringLiteral("bureau note")));
    EXPECT_FALSE(texts(1).contains(QStringLiteral("return note")));
    EXPECT_TRUE(texts(2).contains(QStringLiteral("return note")));
    EXPECT_FALSE(texts(2).contains(QStringLiteral("bureau note")));
    EXPECT_TRUE(texts(5).isEmpty());
}
