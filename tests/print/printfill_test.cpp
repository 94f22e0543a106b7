// How the print settings dialog's data fills from a record and the print data, and the order the
// ticked documents print in.
#include "print/core/printfill.h"

#include <gtest/gtest.h>

using namespace printfill;

// The boxes a record fills and the print data they are stored in; the dialog's test shows the
// remembered answers coming back.
TEST(PrintFill, FirstOpeningShowsTheRecordAndTheBoxesAreStoredTrimmed) {
    StationRecord record; // every text field holds its own number, "f6" the club's name
    for (const FieldInfo& info : fieldTable()) {
        if (info.field != Field::ExpiryDate)
            record.set(info.field, QStringLiteral(" f%1").arg(int(info.field)));
    }
    record.setExpiry(QDate(2030, 2, 28));
    PrintData data;
    data.PrintDocs = {1, 1, 1, 1, 1};
    FormState form;
    loadDefaults(form, data);
    fillFromRecord(form, data, record, QDate(2025, 4, 3));
    EXPECT_EQ(data.PrintDocs, (std::array<qint16, 5>{0, 0, 0, 0, 1}));
    EXPECT_EQ(data.BureauEnvelopeNote, QStringLiteral("アマチュア局 再免許申請書在中"));
    EXPECT_EQ(data.ReturnEnvelopeNote, QStringLiteral("アマチュア局 免許状在中"));
    const QStringList boxes(form.boxes.begin(), form.boxes.end());
    EXPECT_EQ(boxes.join(u','), QStringLiteral("ｆ０,f1,,令和7年03月01日,令和12年02月28日,f6,f7,"
                                               "f8,f9,f10,f14,f15,f11,f12,f13,f16"));
    EXPECT_EQ(form.appDate, QStringLiteral("令和7年04月03日"));
    EXPECT_EQ(form.prepayAnswer, (std::array<bool, 2>{true, false})); // "無"
    EXPECT_EQ(form.prepayPeriod, (std::array<bool, 2>{false, false}));
    EXPECT_FALSE(form.periodEnabled || form.yearsEnabled || form.yearsWindowBackground);
    EXPECT_FALSE(form.printDate || form.registeredMail || form.disposalHistory);
    EXPECT_TRUE(form.club && data.PrintClubFlag == 1);

    for (QString& box : form.boxes)
        box = QStringLiteral(" edited ") + box + u' ';
    form.club = false;
    storePrintData(form, data, record);
    EXPECT_EQ(
        QStringList({data.PrintCallSign, data.PrintLicenceNo, data.PrintDest, data.PrintLicenceDate,
                     data.PrintExpiry, data.PrintClubName, data.PrintClubKana,
                     data.PrintApplicantName, data.PrintApplicantKana, data.PrintApplicantZip,
                     data.PrintApplicantAddr1, data.PrintApplicantAddr2, data.PrintApplicantTel})
            .join(u','),
        QStringLiteral("edited ｆ０,edited f1,edited,edited 令和7年03月01日,edited "
                       "令和12年02月28日,f6,f7,f14,f15,f11,f12,f13,f16"));
    EXPECT_EQ(data.PrintClubFlag, 0);
}

TEST(PrintFill, DocumentsAreTakenInOrderForEveryCombination) {
    for (int mask = 0; mask < 8; ++mask) {
        PrintData data;
        data.PrintDocs = {qint16(mask & 1), qint16(mask >> 1 & 1), qint16(mask >> 2 & 1), 1, 1};
        QString seen;
        for (auto doc = firstDocument(data); doc; doc = nextDocument(data, *doc))
            seen += QString::number(1 << *doc);
        EXPECT_EQ(seen,
                  QString(mask & 1 ? "1" : "") + (mask & 2 ? "2" : "") + (mask & 4 ? "4" : ""));
        EXPECT_EQ(documentCount(data), seen.size()) << mask;
    }
}
