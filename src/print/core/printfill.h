#pragma once

#include "print/core/layouts.h"
#include "record/printdata.h"
#include "record/stationrecord.h"

#include <QDate>
#include <QString>
#include <array>
#include <optional>

// The print settings dialog's data without its widgets: what its controls hold, how they are
// filled from a record and the remembered print data, and how they are stored back. The dialog
// mirrors this state in its controls; velmora-tool uses it to print without a window.
namespace printfill {

// Documents, by their index in PrintDocs.
enum Document { ApplicationForm = 0, BureauEnvelope = 1, ReturnEnvelope = 2 };
constexpr int kDocumentCount = 3;

// Boxes of the "印刷データ" frame, by index: the left column holds the licence and the station,
// the right column the applicant.
enum Box {
    CallSignBox = 0,
    LicenceNoBox = 1,
    DestinationBox = 2,
    LicenceDateBox = 3,
    ExpiryBox = 4,
    ClubNameBox = 5, // the first box printed from the record whatever it shows
    ClubKanaBox = 6,
    StationZipBox = 7,
    StationAddr1Box = 8,
    StationAddr2Box = 9,
    ApplicantNameBox = 10, // the first box of the applicant's column
    ApplicantKanaBox = 11,
    ApplicantZipBox = 12,
    ApplicantAddr1Box = 13,
    ApplicantAddr2Box = 14,
    ApplicantTelBox = 15,
};
constexpr int kBoxCount = 16;

// The contents of the dialog's controls.
struct FormState {
    std::array<QString, kBoxCount> boxes;    // the "印刷データ" boxes, by Box
    bool club = false;                       // "クラブ局"
    QString appDate;                         // the application date display
    bool printDate = false;                  // "申請日" in "印刷の設定": print the date
    bool registeredMail = false;             // "簡易書留(送付)"
    std::array<bool, kDocumentCount> docs{}; // the document boxes, by Document
    std::array<bool, 2> prepayAnswer{};      // [0] "無", [1] "有"
    std::array<bool, 2> prepayPeriod{};      // [0] whole licence period, [1] "その他"
    bool periodEnabled = true;               // both prepayment period boxes
    QString years;                           // the years beside "その他"
    bool yearsEnabled = true;                // the years box
    bool yearsWindowBackground = false;      // the years box: window background, else button face
    bool disposalHistory = false;            // "電波法での処分履歴がある"
};

// Expiry plus one day, minus five years; 29 February becomes 28 February in a common year.
// Invalid for an invalid expiry.
QDate licenceDate(QDate expiry);

// The call sign as the dialog shows it: narrowed, trimmed, then full-width.
QString callSignForDisplay(QStringView callSign);

// The dialog's load before the record: the two envelope notes, the registered-mail box from
// the remembered data, and PrintDocs 0..3 cleared with the document boxes unticked.
void loadDefaults(FormState& form, PrintData& data);

// Fills the form from the record and the remembered print data (load, after the document boxes
// have been cleared). May set data.PrintClubFlag. Returns the area index for the bureau file.
// The destination box is left for the bureau reader.
int fillFromRecord(FormState& form, PrintData& data, const StationRecord& record, QDate today);

// Stores the form into the print data, refilling boxes 5 to 15 from the record first.
void storePrintData(FormState& form, PrintData& data, const StationRecord& record);

// The answers every print shares, as the dialog shows them from the remembered print data:
// the application date (its box and the date, today when none is remembered), the prepayment
// with the look of its boxes, and the disposal history. Part of fillFromRecord; the batch
// print dialog uses them alone.
void loadAnswers(FormState& form, const PrintData& data, QDate today);
// Stores those answers back. A prepayment pair with neither box checked leaves its value
// unchanged. Part of storePrintData.
void storeAnswers(const FormState& form, PrintData& data);

// Mouse release over a prepayment answer box (index 0 = "無", 1 = "有").
void prepayAnswerReleased(FormState& form, int index);
// Mouse release over a prepayment period box (index 0 = whole licence period, 1 = "その他").
void prepayPeriodReleased(FormState& form, int index);

// One arrow click of the application-date spinners: unit 0 years, 1 months, 2 days; step +1 or
// -1. The result is written "ggge年m月d日". Nothing when the text is not a date or the result
// lies outside the supported calendar.
std::optional<QString> stepApplicationDate(const QString& text, int unit, int step);

// One tick of the blink timer. counter is the dialog's blink counter.
struct BlinkTick {
    bool red = false;  // the document boxes turn red, else back to the button face
    bool stop = false; // the cycle is over: stop the timer
};
BlinkTick blinkTick(int& counter);

// The lowest ticked document, or nothing.
std::optional<int> firstDocument(const PrintData& data);
// The next ticked document after current, or nothing when the list is at its end.
std::optional<int> nextDocument(const PrintData& data, int current);
// Number of ticked documents.
int documentCount(const PrintData& data);

// Draws document doc (mode 1 printer, 3 page buffer) with its contents note. A layout that
// fails comes back as its error text; an unknown document draws nothing.
Result drawDocument(DrawingSurface& surface, int doc, int mode, const PageInputs& inputs);

// A short name of a document, for print job and file names: "再免許申請書", "総通宛封筒",
// "返信用封筒".
QString documentName(int doc);

// What the dialog stores for record when it is printed unchanged, with the remembered data and
// the bureau's addressee in the destination box: load, fill, store. Every document is ticked.
// For printing without a window.
PrintData printDataForRecord(const StationRecord& record, const PrintData& remembered,
                             const BureauValues& bureau, QDate today);

} // namespace printfill
