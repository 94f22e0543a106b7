#pragma once

#include <QString>
#include <array>

// What the print settings dialog stores for the preview and the page layouts to read. Lives
// for the whole run; never saved.
struct PrintData {
    qint32 PrintRecordIndex = 0;
    std::array<qint16, 5> PrintDocs{}; // 0 form, 1 bureau envelope, 2 return envelope
    qint16 PreviewDoc = 0;
    QString BureauEnvelopeNote;
    QString ReturnEnvelopeNote;
    qint16 RegisteredMail = 0;
    QString PrintDest;
    QString PrintCallSign;
    QString PrintLicenceNo;
    QString PrintLicenceDate;
    QString PrintExpiry;
    QString PrintClubName;
    QString PrintClubKana;
    QString PrintApplicantName;
    QString PrintApplicantKana;
    QString PrintApplicantZip;
    QString PrintApplicantAddr1;
    QString PrintApplicantAddr2;
    QString PrintApplicantTel;
    qint16 PrintClubFlag = 0;
    qint16 PrintDateFlag = 0;
    QString PrintAppDate;
    qint16 PrepayAnswer = 0;
    qint16 PrepayPeriod = 0;
    QString PrepayYears;
    qint16 DisposalHistory = 0;
};

// The bureau the application goes to, read from the bureau file.
struct BureauValues {
    QString addressee; // addressee at the top of the application form
    QString AreaZip;
    QString AreaAdd;
    QString AreaAdd2;
    QString AreaName;
    QString AreaName2;
};
