#pragma once

#include "record/stationrecord.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QStringList>
#include <vector>

namespace tool {

// The application windows of the stations whose licence has not expired on day, as an
// iCalendar file: for each, two all-day events, the window's opening and its closing, with the
// call sign and licence number in the summary; the closing carries an alarm at 9:00 seven days
// before. Event UIDs come from the call sign, the licence number and the expiry, so importing
// a newer file updates the events instead of doubling them. stamp is the DTSTAMP.
// Empty when no station qualifies (a calendar must hold at least one event).
QByteArray renewalCalendar(const std::vector<StationRecord>& records, QDate day,
                           const QDateTime& stamp);

// velmora-tool calendar FILE.stn --out renewals.ics [--on DATE]
int calendar(const QStringList& args);

} // namespace tool
