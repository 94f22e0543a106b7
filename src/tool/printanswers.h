#pragma once

#include "record/printdata.h"
#include "record/result.h"
#include "record/settingsvalues.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

namespace tool {

// The print dialog's answers, and the files printing reads, as `render` and `batch` take them
// on the command line.
struct PrintAnswers {
    std::optional<QDate> date; // application date; none leaves the date line blank
    qint16 prepayAnswer = 0;
    qint16 prepayPeriod = 0;
    QString prepayYears;
    bool disposal = false;
    bool registeredMail = false;
    std::optional<bool> club; // none: as the record's club name says
    QString settingsFile;
    QString bureauFile;         // empty: the one beside the program
    bool envelopePaper = false; // envelopes on "長型3号" paper rather than A4
};

// The usage lines of these options and their values.
extern const char* const kPrintAnswersUsage;

// A date as the tool reads it: any typed date (typeddate.h), such as an era date (令和8年2月10日,
// R8.2.10) or an ISO date (2026-02-10), inside the calendar the program supports.
std::optional<QDate> readDate(const QString& text);

// The value after the option at args[i], moving i onto it; nothing when it is missing.
std::optional<QString> optionValue(const QStringList& args, qsizetype& i);

// Reads args[i] when it is one of the answer options, with its value (i then stands on the
// value). Bad: error tells what is wrong.
enum class OptionRead { NotAnswer, Read, Bad };
OptionRead readAnswerOption(const QStringList& args, qsizetype& i, PrintAnswers& answers,
                            QString& error);

// The remembered print data that the answers stand for.
PrintData answersAsPrintData(const PrintAnswers& answers);
// The offsets and colours of --settings; defaults without it.
Result readAnswerSettings(const PrintAnswers& answers, SettingsValues& settings);
// The bureau file used without --bureau: the one in programFolder; when that is missing and
// the program runs from the build folder, the project's own data file.
QString defaultBureauFile(const QString& programFolder);
// --bureau, or defaultBureauFile() of the running program.
QString bureauPath(const PrintAnswers& answers);

} // namespace tool
