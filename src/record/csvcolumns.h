#pragma once

#include "record/stationrecord.h"

#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

// The columns of the register's CSV form, shared by export and import: the grid's columns
// 1..17 under the grid's captions, with the expiry a second time as an ISO date right after
// the era text.
namespace csvfile {

enum class ColumnKind {
    Text,      // a text field
    EraExpiry, // the expiry as the grid shows it (令和6年03月31日)
    IsoExpiry, // the expiry as YYYY-MM-DD
};

struct Column {
    ColumnKind kind;
    Field field; // the field the column holds (ExpiryDate for both expiry columns)
    QString header;
};

// The 18 columns in the order the export writes them.
const std::vector<Column>& columns();

// Caption of the ISO expiry column.
QString isoHeader();

// What the ISO column holds for a stored expiry. A whole day the calendar can show gives
// YYYY-MM-DD. Any other stored value (NaN, infinite, out of range, with a time of day, -0)
// cannot be written as a date, but the register keeps it exactly as read, and so must the CSV:
// it is written as the value's eight bytes, "0x" and 16 hex digits (0x7FF8000000000000), which
// the import gives back bit for bit. The era column of such a row is empty, as in the grid.
QString isoExpiryText(double stored);

// Reads what the ISO column may hold: YYYY-MM-DD, also with "/" and with one-digit months and
// days (as spreadsheet programs rewrite dates), for a date the calendar can show; or the
// eight-byte form above. Spaces at both ends are ignored. Nothing for anything else.
std::optional<double> parseIsoExpiry(QStringView text);

} // namespace csvfile
