#include "tool/printanswers.h"

#include "platform/programinfo.h"
#include "print/core/bureaufile.h"
#include "record/eradate.h"
#include "record/settingsfile.h"
#include "record/typeddate.h"

#include <QFileInfo>

namespace tool {

const char* const kPrintAnswersUsage =
    "         [--date DATE] [--prepay none|period|YEARS] [--disposal] [--registered-mail]\n"
    "         [--club|--no-club] [--settings PATH] [--bureau PATH] [--paper a4|naga3]\n"
    "  DATE     application date, era (令和8年2月10日) or ISO (2026-02-10); without it the\n"
    "           date line stays blank\n"
    "  --prepay prepayment of the radio usage fee: none (default), for the licence period, or\n"
    "           a number of years\n"
    "  --club   club layout even without a club name; --no-club the personal layout\n"
    "  --bureau bureau address file; default: the one in the program folder, or the project's\n"
    "           data/ when run from the build folder (the return envelope needs none)\n"
    "  --paper  paper of the envelopes (the form is always A4)\n";

namespace {

bool isWholeNumber(const QString& text) {
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

} // namespace

std::optional<QDate> readDate(const QString& text) {
    const typeddate::TypedDate date = typeddate::parseTypedDate(text);
    if (!date)
        return std::nullopt;
    return date.date;
}

std::optional<QString> optionValue(const QStringList& args, qsizetype& i) {
    if (i + 1 >= args.size())
        return std::nullopt;
    return args[++i];
}

OptionRead readAnswerOption(const QStringList& args, qsizetype& i, PrintAnswers& a,
                            QString& error) {
    const QString& arg = args[i];
    const auto bad = [&error](const QString& text) {
        error = text;
        return OptionRead::Bad;
    };
    if (arg == QLatin1String("--disposal")) {
        a.disposal = true;
        return OptionRead::Read;
    }
    if (arg == QLatin1String("--registered-mail")) {
        a.registeredMail = true;
        return OptionRead::Read;
    }
    if (arg == QLatin1String("--club") || arg == QLatin1String("--no-club")) {
        a.club = arg == QLatin1String("--club");
        return OptionRead::Read;
    }
    const bool takesValue = arg == QLatin1String("--date") || arg == QLatin1String("--prepay") ||
                            arg == QLatin1String("--settings") ||
                            arg == QLatin1String("--bureau") || arg == QLatin1String("--paper");
    if (!takesValue)
        return OptionRead::NotAnswer;
    const std::optional<QString> v = optionValue(args, i);
    if (!v)
        return bad(QStringLiteral("%1 に値がありません").arg(arg));
    if (arg == QLatin1String("--date")) {
        a.date = readDate(*v);
        if (!a.date)
            return bad(QStringLiteral("日付が正しくありません: %1").arg(*v));
    } else if (arg == QLatin1String("--prepay")) {
        if (*v == QLatin1String("none")) {
            a.prepayAnswer = 0;
        } else if (*v == QLatin1String("period")) {
            a.prepayAnswer = 1;
            a.prepayPeriod = 0;
        } else if (isWholeNumber(*v)) {
            a.prepayAnswer = 1;
            a.prepayPeriod = 1;
            a.prepayYears = *v;
        } else {
            return bad(QStringLiteral("--prepay は none、period、年数のどれかです: %1").arg(*v));
        }
    } else if (arg == QLatin1String("--settings")) {
        a.settingsFile = *v;
    } else if (arg == QLatin1String("--bureau")) {
        a.bureauFile = *v;
    } else if (*v == QLatin1String("a4") || *v == QLatin1String("naga3")) {
        a.envelopePaper = *v == QLatin1String("naga3");
    } else {
        return bad(QStringLiteral("--paper は a4 か naga3 です: %1").arg(*v));
    }
    return OptionRead::Read;
}

PrintData answersAsPrintData(const PrintAnswers& a) {
    PrintData answers;
    answers.PrintDateFlag = a.date ? 1 : 0;
    if (a.date)
        answers.PrintAppDate = FormatEraDate(*a.date);
    answers.PrepayAnswer = a.prepayAnswer;
    answers.PrepayPeriod = a.prepayPeriod;
    answers.PrepayYears = a.prepayYears;
    answers.DisposalHistory = a.disposal ? 1 : 0;
    answers.RegisteredMail = a.registeredMail ? 1 : 0;
    return answers;
}

Result readAnswerSettings(const PrintAnswers& a, SettingsValues& settings) {
    if (a.settingsFile.isEmpty())
        return Result::success();
    const settingsfile::ReadResult read = settingsfile::ReadSettings(a.settingsFile, settings);
    if (read.missing)
        return Result::failure(QStringLiteral("ファイルが有りません: %1").arg(a.settingsFile));
    return read.result;
}

QString defaultBureauFile(const QString& programFolder) {
    const QString beside = ProgramInfo::withFolder(programFolder).path(bureaufile::fileName());
    if (QFileInfo::exists(beside))
        return beside;
    // Only an installed program has the file beside it; a tool run from the build folder
    // reads the project's own.
    const QString build = QFileInfo(QStringLiteral(VELMORA_BUILD_DIR)).canonicalFilePath();
    const QString folder = QFileInfo(programFolder).canonicalFilePath();
    if (build.isEmpty() || (folder != build && !folder.startsWith(build + QLatin1Char('/'))))
        return beside;
    const QString project = QStringLiteral(VELMORA_DATA_DIR "/") + bureaufile::fileName();
    return QFileInfo::exists(project) ? project : beside;
}

QString bureauPath(const PrintAnswers& a) {
    return a.bureauFile.isEmpty()
               ? defaultBureauFile(ProgramInfo::forRunningProgram({bureaufile::fileName()}).folder)
               : a.bureauFile;
}

} // namespace tool
