#pragma once

#include "record/result.h"
#include "record/stationrecord.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

namespace tool {

// The stations of a data file in the program's order (as `dump --sorted` lists them: record
// N is line N). A missing, unreadable or empty file is an error: the commands that work on
// stations have nothing to do.
struct SortedRegister {
    Result result;
    std::vector<StationRecord> records;
};
SortedRegister readSortedRegister(const QString& path);

// The day of --on: its value read as a date, or today without one. Invalid after a bad value;
// error then tells why.
QDate dayOf(const QString& value, QDate today, QString& error);

// The arguments of a command that looks at one register on one day: FILE [--on DATE], with
// --out PATH where the command takes it (then it is required) and the flag --json where it
// takes that.
struct DayArguments {
    QString file;
    QDate day;
    QString out;
    bool json = false;
    QString error; // what is wrong with them; empty when nothing is
};
DayArguments readDayArguments(const QStringList& args, bool takesOut, bool takesJson, QDate today);

} // namespace tool
