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

// Boxes of the "印刷データ" frame, by index.
enum Box {
    CallSignBox = 0,
    LicenceNoBox = 1,
    DestinationBox = 2,
    LicenceDateBox = 3,
    ExpiryBox = 4,
    ClubNameBox = 5,
    ClubKanaBox = 6,
    // 7..9 station address, 10..15 applicant
    ApplicantNameBox = 10,
    ApplicantTelBox = 15,
};
constexpr int kBoxCount = 16;

// The contents of the dialog's controls.
struct FormState {
    std::array<QString, kBoxCount> boxes;    // Text1(0..15)
    bool club = false;                       // Check4 "クラブ局"
    QString appDate;                         // Label2, the application date display
    bool printDate = false;                  // Check6 "申請日"
    bool registeredMail = false;             // Check3 "簡易書留(送付)"
    std::array<bool, kDocumentCount> docs{}; // Check1(0..2)
    std::array<bool, 2> prepayAnswer{};      // Check5(0) "無", Check5(1) "有"
    std::array<bool, 2> prepayPeriod{};      // Check7(0) whole period, Check7(1) "その他"
    bool periodEnabled = true;               // both Check7 boxes
    QString years;                           // Text2
    bool yearsEnabled = true;                // Text2
    bool yearsWindowBackground = false;      // Text2: window background, else button face
    bool disposalHistory = false;            // Check2
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
int FillFromRecord(FormState& form, PrintData& data, const StationRecord& record, QDate today);

// Stores the form into the print data, refilling boxes 5 to 15 from the record first.
void StorePrintData(FormState& form, PrintData& data, const StationRecord& record);

// The answers every print shares, as the dialog shows them from the remembered print data:
// the application date (its box and the date, today when none is remembered), the prepayment
// with the look of its boxes, and the disposal history. Part of FillFromRecord; the batch
// print dialog uses them alone.
void loadAnswers(FormState& form, const PrintData& data, QDate today);
// Stores those answers back. A prepayment pair with neither box checked leaves its value
// unchanged. Part of StorePrintData.
void storeAnswers(const FormState& form, PrintData& data);

// Mouse release over Check5(index) (0 = "無", 1 = "有").
void prepayAnswerReleased(FormState& form, int index);
// Mouse release over Check7(index) (0 = whole licence period, 1 = "その他").
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
