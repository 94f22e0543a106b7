#pragma once

#include "record/stationrecord.h"

#include <QDate>
#include <QString>
#include <array>
#include <vector>

// The application window of a re-licence. The bureau accepts an amateur station's application
// for re-licence only from six months to one month before its licence expires; outside that
// window the holder must apply for a new licence instead.
//
// With E the expiry date (the licence is valid through E):
// - the window opens on E − 6 months + 1 day and closes on E − 1 month, both days included;
// - months are calendar months, and a day the target month lacks becomes that month's last
//   day, as QDate::addMonths does: E = 2024-04-09 gives 2023-10-10..2024-03-09,
//   E = 2028-02-29 gives 2027-08-30..2028-01-29, E = 2027-03-30 gives 2026-10-01..2027-02-28.
//
// The state of a station on a day D:
// - Upcoming: D is before the opening day;
// - Open:     the window is open on D (opening day ≤ D ≤ closing day), with more than
//             kClosingDays days left until the closing day;
// - Closing:  the window is open on D and closes within kClosingDays days: the closing day is
//             D + 0 .. D + 14 (on the closing day itself, 0 days are left);
// - Missed:   the window has closed (D is after the closing day) but the licence is still
//             valid (D ≤ E);
// - Expired:  D is after E (from E + 1 day on);
// - NoWindow: the stored expiry is not a date the program can read.
namespace renewal {

enum class State { NoWindow, Upcoming, Open, Closing, Missed, Expired };
constexpr int kStateCount = 6;
constexpr int kClosingDays = 14;

struct Window {
    QDate opens;
    QDate closes;
    QDate expiry;
    bool isValid() const { return expiry.isValid(); }
};

// The window of a licence expiring on expiry; all dates invalid for an invalid expiry.
Window windowFor(QDate expiry);
// The window of a record's stored expiry.
Window windowFor(const StationRecord& record);
State stateOn(const Window& window, QDate day);
// Whether an application is accepted on that day: Open or Closing.
bool isOpen(State state);

// The state's name in the command-line tool's JSON: "none", "upcoming", "open", "closing",
// "missed", "expired".
QString stateKey(State state);
// The state as a person reads it: "期間なし", "受付前", "受付中", "締切間近", "締切超過",
// "期限切れ".
QString stateLabel(State state);

// "令和5年10月10日～令和6年3月9日"; empty for an invalid window.
QString windowText(const Window& window);

// The print dialog's warning for an application dated day: "申請期間外です（受付 …～…）" when
// the window is not open on that day; empty when it is, or when the window or the day is not
// a date.
QString outsideWindowWarning(const Window& window, QDate day);

// The application date of a batch checked against every station's window: the places
// (0-based, in order) of the records for which outsideWindowWarning(windowFor(record), day) is
// not empty. A batch picks its stations by one day and may print another on the forms.
std::vector<size_t> outsideWindow(const std::vector<StationRecord>& records, QDate day);

// How a register stands on a day.
struct Summary {
    int stations = 0;
    std::array<int, kStateCount> counts{}; // by State
    QDate nearestClose;                    // earliest closing day of the open windows
    int count(State state) const { return counts[size_t(state)]; }
    // Open and closing.
    int open() const { return count(State::Open) + count(State::Closing); }
};
Summary summarise(const std::vector<StationRecord>& records, QDate day);

// The main window's status line, for example
// "申請受付中 12局（締切14日以内 2局・最も近い締切 令和9年1月31日）　締切超過 1局".
// The parenthesis appears only while some window is open, "締切超過" only when a station missed
// its window; an empty register gives an empty text.
QString statusText(const Summary& summary);

} // namespace renewal
