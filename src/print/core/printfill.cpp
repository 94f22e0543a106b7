// The print settings dialog's data without its widgets: filling, storing and the small rules
// of its controls.
#include "print/core/printfill.h"

#include "platform/width.h"
#include "print/core/bureaufile.h"
#include "record/eradate.h"

#include <algorithm>

namespace printfill {

namespace {

// The boxes printed from the record and the field each one shows.
constexpr std::array<std::pair<Box, Field>, 11> kRecordBoxes{{
    {ClubNameBox, Field::ClubName},
    {ClubKanaBox, Field::ClubKana},
    {StationZipBox, Field::StationZip},
    {StationAddr1Box, Field::StationAddr1},
    {StationAddr2Box, Field::StationAddr2},
    {ApplicantNameBox, Field::ApplicantName},
    {ApplicantKanaBox, Field::ApplicantKana},
    {ApplicantZipBox, Field::ApplicantZip},
    {ApplicantAddr1Box, Field::ApplicantAddr1},
    {ApplicantAddr2Box, Field::ApplicantAddr2},
    {ApplicantTelBox, Field::ApplicantTel},
}};

void fillRecordBoxes(FormState& form, const StationRecord& record) {
    for (const auto& [box, field] : kRecordBoxes)
        form.boxes[size_t(box)] = record.trimmed(field);
}

void disablePeriod(FormState& form) {
    form.prepayPeriod = {false, false};
    form.periodEnabled = false;
    form.years.clear();
    form.yearsWindowBackground = false;
    form.yearsEnabled = false;
}

} // namespace

QDate licenceDate(QDate expiry) {
    if (!expiry.isValid())
        return {};
    return expiry.addDays(1).addYears(-5);
}

QString callSignForDisplay(QStringView callSign) {
    return width::toFullWidth(trimSpaces(width::narrowAlphanumerics(callSign)));
}

void loadDefaults(FormState& form, PrintData& data) {
    data.BureauEnvelopeNote = QStringLiteral("アマチュア局 再免許申請書在中");
    data.ReturnEnvelopeNote = QStringLiteral("アマチュア局 免許状在中");
    form.registeredMail = data.RegisteredMail == 1;
    for (int i = 0; i <= 3; ++i)
        data.PrintDocs[size_t(i)] = 0;
    form.docs = {false, false, false};
}

int fillFromRecord(FormState& form, PrintData& data, const StationRecord& record, QDate today) {
    const QDate expiry = record.expiry();

    form.boxes[CallSignBox] = callSignForDisplay(record.unpadded(Field::CallSign));
    form.boxes[LicenceNoBox] = record.trimmed(Field::LicenceNo);
    form.boxes[LicenceDateBox] = trimSpaces(FormatEraDate(licenceDate(expiry)));
    form.boxes[ExpiryBox] = trimSpaces(FormatEraDate(expiry));
    fillRecordBoxes(form, record);

    loadAnswers(form, data, today);

    form.club = false;
    if (!form.boxes[ClubNameBox].isEmpty()) {
        data.PrintClubFlag = 1;
        form.club = true;
    }

    return bureaufile::areaIndexForCallSign(record.unpadded(Field::CallSign));
}

void storePrintData(FormState& form, PrintData& data, const StationRecord& record) {
    data.PrintClubFlag = form.club ? 1 : 0;

    fillRecordBoxes(form, record);

    const auto box = [&form](Box b) { return trimSpaces(form.boxes[b]); };
    data.PrintCallSign = box(CallSignBox);
    data.PrintLicenceNo = box(LicenceNoBox);
    data.PrintDest = box(DestinationBox);
    data.PrintLicenceDate = box(LicenceDateBox);
    data.PrintExpiry = box(ExpiryBox);
    data.PrintClubName = box(ClubNameBox);
    data.PrintClubKana = box(ClubKanaBox);
    data.PrintApplicantName = box(ApplicantNameBox);
    data.PrintApplicantKana = box(ApplicantKanaBox);
    data.PrintApplicantZip = box(ApplicantZipBox);
    data.PrintApplicantAddr1 = box(ApplicantAddr1Box);
    data.PrintApplicantAddr2 = box(ApplicantAddr2Box);
    data.PrintApplicantTel = box(ApplicantTelBox);

    storeAnswers(form, data);
}

void loadAnswers(FormState& form, const PrintData& data, QDate today) {
    form.printDate = data.PrintDateFlag == 1;
    form.years = data.PrepayYears;
    form.prepayPeriod = {false, false};
    if (data.PrepayPeriod == 0 || data.PrepayPeriod == 1)
        form.prepayPeriod[size_t(data.PrepayPeriod)] = true;
    form.prepayAnswer = {false, false};
    if (data.PrepayAnswer == 0 || data.PrepayAnswer == 1)
        form.prepayAnswer[size_t(data.PrepayAnswer)] = true;

    // The years box starts with the button-face background, enabled.
    form.yearsWindowBackground = false;
    form.yearsEnabled = true;
    if (form.prepayAnswer[0]) {
        form.prepayAnswer[1] = false;
        disablePeriod(form);
    } else {
        form.prepayAnswer[0] = false;
        form.periodEnabled = true;
    }

    form.appDate =
        !data.PrintAppDate.isEmpty() ? data.PrintAppDate : trimSpaces(FormatEraDate(today));
    form.disposalHistory = data.DisposalHistory == 1;
}

void storeAnswers(const FormState& form, PrintData& data) {
    data.PrintDateFlag = form.printDate ? 1 : 0;
    data.PrintAppDate = form.appDate;
    data.PrepayYears = form.years;
    for (qint16 i = 0; i <= 1; ++i) {
        if (form.prepayAnswer[size_t(i)])
            data.PrepayAnswer = i;
        if (form.prepayPeriod[size_t(i)])
            data.PrepayPeriod = i;
    }
    data.DisposalHistory = form.disposalHistory ? 1 : 0;
}

void prepayAnswerReleased(FormState& form, int index) {
    if (index == 0) {
        form.prepayAnswer[1] = false;
        disablePeriod(form);
    } else if (index == 1) {
        form.prepayAnswer[0] = false;
        form.periodEnabled = true;
    }
}

void prepayPeriodReleased(FormState& form, int index) {
    if (index == 0) {
        form.prepayPeriod[1] = false;
        form.years.clear();
        form.yearsWindowBackground = false;
        form.yearsEnabled = false;
    } else if (index == 1) {
        form.prepayPeriod[0] = false;
        form.yearsWindowBackground = true;
        form.yearsEnabled = true;
    }
}

std::optional<QString> stepApplicationDate(const QString& text, int unit, int step) {
    const QDate date = ParseEraDate(text);
    if (!date.isValid())
        return std::nullopt;
    QDate next;
    switch (unit) {
    case 0:
        next = date.addYears(step);
        break;
    case 1:
        next = date.addMonths(step);
        break;
    case 2:
        next = date.addDays(step);
        break;
    default:
        return std::nullopt;
    }
    const QString shown = FormatEraDate(next, EraPattern::Unpadded);
    if (shown.isEmpty())
        return std::nullopt;
    return shown;
}

BlinkTick blinkTick(int& counter) {
    BlinkTick tick;
    const int c = counter++;
    tick.red = c % 2 == 0;
    if (c >= 9) {
        counter = 0;
        tick.stop = true;
    }
    return tick;
}

std::optional<int> firstDocument(const PrintData& data) {
    for (int i = 0; i < kDocumentCount; ++i) {
        if (data.PrintDocs[size_t(i)] == 1)
            return i;
    }
    return std::nullopt;
}

std::optional<int> nextDocument(const PrintData& data, int current) {
    for (int i = std::max(current + 1, 0); i < kDocumentCount; ++i) {
        if (data.PrintDocs[size_t(i)] == 1)
            return i;
    }
    return std::nullopt;
}

int documentCount(const PrintData& data) {
    int count = 0;
    for (int i = 0; i < kDocumentCount; ++i)
        count += data.PrintDocs[size_t(i)] == 1 ? 1 : 0;
    return count;
}

Result drawDocument(DrawingSurface& surface, int doc, int mode, const PageInputs& inputs) {
    switch (doc) {
    case ApplicationForm:
        return drawApplicationForm(surface, mode, inputs);
    case BureauEnvelope:
        return drawBureauEnvelope(surface, mode, inputs.print.BureauEnvelopeNote, inputs);
    case ReturnEnvelope:
        return drawReturnEnvelope(surface, mode, inputs.print.ReturnEnvelopeNote, inputs);
    default:
        return Result::success();
    }
}

QString documentName(int doc) {
    switch (doc) {
    case ApplicationForm:
        return QStringLiteral("再免許申請書");
    case BureauEnvelope:
        return QStringLiteral("総通宛封筒");
    case ReturnEnvelope:
        return QStringLiteral("返信用封筒");
    default:
        return {};
    }
}

PrintData printDataForRecord(const StationRecord& record, const PrintData& remembered,
                             const BureauValues& bureau, QDate today) {
    PrintData data = remembered;
    FormState form;
    loadDefaults(form, data);
    fillFromRecord(form, data, record, today);
    data.PrintDest.clear();
    form.boxes[DestinationBox] = bureau.addressee;
    form.docs = {true, true, true};
    data.RegisteredMail = form.registeredMail ? 1 : 0;
    for (int i = 0; i < kDocumentCount; ++i)
        data.PrintDocs[size_t(i)] = form.docs[size_t(i)] ? 1 : 0;
    storePrintData(form, data, record);
    return data;
}

} // namespace printfill
