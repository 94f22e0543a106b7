#pragma once

#include "record/result.h"
#include "record/stationrecord.h"

#include <QByteArray>
#include <QString>
#include <vector>

// The register as CSV (RFC 4180, CR LF line ends) for spreadsheet programs: a header row with
// the columns of csvcolumns.h, then one row per record in the order given.
namespace csvfile {

enum class Encoding {
    Utf8,  // with a byte order mark, so that spreadsheet programs recognise it
    Cp932, // code page 932, as the data file
};

// Each text is written as the record keeps it: without the padding at its right end, but with
// any spaces at its left end, which are part of the stored text (the grid trims them for
// showing only). A field is quoted when it holds a comma, a quote, CR or LF, or begins or ends
// with a space or tab (readers that trim unquoted fields then keep them).
// Fails only for code page 932, when a text holds a character that code page cannot hold; the
// message names the record and the column.
struct Exported {
    Result result;
    QByteArray bytes;
};
Exported exportCsv(const std::vector<StationRecord>& records, Encoding encoding);

// Writes the CSV to path as a whole or not at all.
Result writeCsv(const QString& path, const std::vector<StationRecord>& records, Encoding encoding);

} // namespace csvfile
