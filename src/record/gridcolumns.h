#pragma once

#include "record/stationrecord.h"

#include <QString>

// The record grid's columns: 0 the row number, 1..17 the fields in the grid's order (the
// station's address before the club, the applicant's name before the applicant's address).

// The header text of column 0..17 ("No", "ｺｰﾙｻｲﾝ", ...).
const QString& columnHeader(int column);

// What column 1..17 shows of record: the field's text with the spaces at both ends removed,
// the expiry as an era date (empty when it is not a date the calendar can show).
QString columnText(const StationRecord& record, int column);
