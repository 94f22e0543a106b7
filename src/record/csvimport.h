#pragma once

#include "record/result.h"
#include "record/stationrecord.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// Reads stations from a CSV file as a spreadsheet program writes it (RFC 4180).
//
// - Encoding: UTF-8 after a byte order mark; without one, UTF-8 when every byte sequence of the
//   file is valid UTF-8, otherwise code page 932. Code page 932 text is practically never valid
//   UTF-8, and a file the import accepts never is: its header holds the call sign caption, and
//   the first code page 932 byte of that (0xB6 for ｺ, 0x83 for コ) cannot begin a UTF-8
//   character.
// - The first row that is not blank is the header. Columns are found by their captions
//   (csvcolumns.h; compared after Unicode compatibility normalisation, so ｺｰﾙｻｲﾝ and コールサイン
//   are the same, and without regard to case), in any order. Unknown columns are ignored. The
//   call sign, the licence number and one of the two expiry columns must be there.
// - Rows that are blank, or whose fields are all empty, are skipped. A row may stop short of the
//   header's last columns (spreadsheet programs leave trailing empty fields out): those are
//   empty. A value in a column beyond the header is an error.
// - The expiry comes from the ISO column when its cell is not empty, otherwise from the era
//   text. Either takes every form typeddate.h reads (R6.12.31, 令和6年12月31日 in full-width
//   digits, 2024/3/31), since spreadsheet programs rewrite dates as they show them; the ISO
//   column also takes the eight-byte form of csvcolumns.h. A day that does not exist is named
//   as such.
// - A spreadsheet file chosen instead of its CSV (.xlsx, .ods: a ZIP archive; .xls: an OLE
//   compound file) is recognised by its first bytes and refused with a message saying so.
// - Spaces at the right end of a text are padding and do not count; spaces at its left end are
//   kept. A text must fit its field in code page 932 bytes and read back as the same characters
//   from code page 932; it is refused, never cut or changed.
// - Nothing is returned unless the whole file is good. Every error names its row (as a
//   spreadsheet program numbers it, the header being a row too) and, where there is one, its
//   column; the message lists the first few errors.
// - Warnings do not stop the import: a spreadsheet program that took a postal code or a
//   telephone number for a number drops its leading zero, so a postal code of at most six
//   digits without a hyphen, and a telephone number that starts with neither 0 nor +, are
//   named with their row and column.
namespace csvfile {

struct Imported {
    Result result;
    std::vector<StationRecord> records; // in file order
    std::vector<int> rows{};            // the row of each record, numbered as in messages
    // The fields the file has a column for (the expiry always); a record's other fields are
    // blank.
    std::array<bool, kFieldCount> hasField{};
    QStringList warnings{};
};

Imported importCsv(QByteArrayView bytes);

// Reads and imports a whole file.
Imported readCsv(const QString& path);

} // namespace csvfile
