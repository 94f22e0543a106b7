#pragma once

#include "record/stationrecord.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QStringList>
#include <vector>

namespace tool {

// The application windows of the stations whose licence has not expired on day, as an
// iCalendar file. A station is a call sign and licence number compared as the CSV import
// compares them (stationkey.h); a register that holds one station more than once (a licence
// and its renewal, or the same call sign typed half- and full-width) gives it once, for its
// latest expiry. Each station has three all-day events: the window's opening, its closing
// (with an alarm at 9:00 seven days before) and the expiry day itself, with the call sign and
// licence number in the summary. Their UIDs come from the station alone, not its expiry, so
// importing a newer file after a renewal moves the events instead of doubling them; no two
// events of a file share a UID. stamp is the DTSTAMP.
// Empty when no station qualifies (a calendar must hold at least one event).
QByteArray renewalCalendar(const std::vector<StationRecord>& records, QDate day,
                           const QDateTime& stamp);

// velmora-tool calendar FILE.stn --out renewals.ics [--on DATE]
int calendar(const QStringList& args);

} // namespace tool
