#pragma once

#include "record/stationrecord.h"

#include <QByteArray>
#include <QStringList>
#include <vector>

namespace tool {

// One station as a JSON object on one line (UTF-8, with the line end): the 17 fields in record
// order with the text trimmed, ExpiryDate as YYYY-MM-DD and ExpiryEra as the era text; both
// are null for a stored value that is not a supported date.
void appendJsonLine(QByteArray& out, const StationRecord& record);

// velmora-tool dump FILE [--sorted]
int dump(const QStringList& args);

} // namespace tool
