#pragma once

#include "record/stationrecord.h"

#include <QByteArray>
#include <QDate>
#include <QStringList>
#include <vector>

namespace tool {

// Every station of records (in the program's order) with its application window and its state
// on day: a table for people, ending with the main window's status line, or JSON Lines with
// ISO dates (null where a station has no window).
QByteArray dueTable(const std::vector<StationRecord>& records, QDate day);
QByteArray dueJson(const std::vector<StationRecord>& records, QDate day);

// velmora-tool due FILE.stn [--on DATE] [--json]
int due(const QStringList& args);

} // namespace tool
