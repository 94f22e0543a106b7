#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringView>

// Writing iCalendar text (RFC 5545): content lines end in CRLF and are folded so that no line
// is longer than 75 octets, never inside a UTF-8 character.
namespace ics {

// A TEXT value: backslash, semicolon and comma escaped, line ends written as \n.
QString escapeText(QStringView text);

// Appends one content line ("NAME;PARAM=...:value"), folded, with its CRLF.
void appendLine(QByteArray& out, QStringView line);

// DATE "20260209" and UTC DATE-TIME "20260209T031500Z".
QString date(QDate day);
QString utcDateTime(const QDateTime& moment);

} // namespace ics
