#include "tool/render.h"

#include "platform/clock.h"
#include "platform/gui/fonts.h"
#include "platform/programinfo.h"
#include "print/core/bureaufile.h"
#include "print/core/layouts.h"
#include "print/core/pagesize.h"
#include "print/core/paintersurface.h"
#include "print/core/printfill.h"
#include "record/datafile.h"
#include "record/eradate.h"
#include "record/settingsfile.h"
#include "record/sortorder.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPdfWriter>
#include <cstdio>

namespace tool {

namespace {

constexpr int kPdfResolution = 600; // as a common office printer draws

const char* const kUsage =
    "usage: velmora-tool render FILE.stn --record N --doc form|bureau|return --out "
    "OUT.pdf|OUT.png\n"
    "         [--date DATE] [--prepay none|period|YEARS] [--disposal] [--registered-mail]\n"
    "         [--club|--no-club] [--settings PATH] [--bureau PATH] [--paper a4|naga3]\n"
    "         [--dpi N]\n"
    "  N        record number after sorting by expiry date, as the program lists them\n"
    "  DATE     application date, era (令和8年2月10日) or ISO (2026-02-10); without it the\n"
    "           date line stays blank\n"
    "  --prepay prepayment of the radio usage fee: none (default), for the licence period, or\n"
    "           a number of years\n"
    "  --club   club layout even without a club name; --no-club the personal layout\n"
    "  --bureau bureau address file; default: the one beside the program, or the project's\n"
    "           data/ when run from the build folder (the return envelope needs none)\n"
    "  --paper  paper of the envelopes (the form is always A4)\n";

Result usageError(const QString& text) {
    return Result::failure(text);
}

std::optional<QDate> readDate(const QString& text) {
    QDate date = ParseEraDate(text);
    if (!date.isValid())
        date = QDate::fromString(text.trimmed(), Qt::ISODate);
    if (!date.isValid() || FormatEraDate(date).isEmpty())
        return std::nullopt;
    return date;
}

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

ParsedRender parseRenderOptions(const QStringList& args) {
    ParsedRender parsed;
    RenderOptions& o = parsed.options;
    bool haveDoc = false;
    const auto fail = [&](const QString& text) {
        parsed.result = usageError(text);
        return parsed;
    };
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const auto value = [&]() -> std::optional<QString> {
            if (i + 1 >= args.size())
                return std::nullopt;
            return args[++i];
        };
        if (!arg.startsWith(QStringLiteral("--"))) {
            if (!o.dataFile.isEmpty())
                return fail(QStringLiteral("余分な引数です: %1").arg(arg));
            o.dataFile = arg;
            continue;
        }
        const bool takesValue = arg == QLatin1String("--record") || arg == QLatin1String("--doc") ||
                                arg == QLatin1String("--out") || arg == QLatin1String("--date") ||
                                arg == QLatin1String("--prepay") ||
                                arg == QLatin1String("--settings") ||
                                arg == QLatin1String("--bureau") ||
                                arg == QLatin1String("--paper") || arg == QLatin1String("--dpi");
        std::optional<QString> v;
        if (takesValue) {
            v = value();
            if (!v)
                return fail(QStringLiteral("%1 に値がありません").arg(arg));
        }
        if (arg == QLatin1String("--record")) {
            bool ok = false;
            o.record = v->toInt(&ok);
            if (!ok || o.record < 1)
                return fail(QStringLiteral("レコード番号が正しくありません: %1").arg(*v));
        } else if (arg == QLatin1String("--doc")) {
            haveDoc = true;
            if (*v == QLatin1String("form"))
                o.document = printfill::ApplicationForm;
            else if (*v == QLatin1String("bureau"))
                o.document = printfill::BureauEnvelope;
            else if (*v == QLatin1String("return"))
                o.document = printfill::ReturnEnvelope;
            else
                return fail(
                    QStringLiteral("--doc は form、bureau、return のどれかです: %1").arg(*v));
        } else if (arg == QLatin1String("--out")) {
            o.out = *v;
        } else if (arg == QLatin1String("--date")) {
            o.date = readDate(*v);
            if (!o.date)
                return fail(QStringLiteral("日付が正しくありません: %1").arg(*v));
        } else if (arg == QLatin1String("--prepay")) {
            if (*v == QLatin1String("none")) {
                o.prepayAnswer = 0;
            } else if (*v == QLatin1String("period")) {
                o.prepayAnswer = 1;
                o.prepayPeriod = 0;
            } else if (isWholeNumber(*v)) {
                o.prepayAnswer = 1;
                o.prepayPeriod = 1;
                o.prepayYears = *v;
            } else {
                return fail(
                    QStringLiteral("--prepay は none、period、年数のどれかです: %1").arg(*v));
            }
        } else if (arg == QLatin1String("--disposal")) {
            o.disposal = true;
        } else if (arg == QLatin1String("--registered-mail")) {
            o.registeredMail = true;
        } else if (arg == QLatin1String("--club")) {
            o.club = true;
        } else if (arg == QLatin1String("--no-club")) {
            o.club = false;
        } else if (arg == QLatin1String("--settings")) {
            o.settingsFile = *v;
        } else if (arg == QLatin1String("--bureau")) {
            o.bureauFile = *v;
        } else if (arg == QLatin1String("--paper")) {
            if (*v == QLatin1String("a4"))
                o.envelopePaper = false;
            else if (*v == QLatin1String("naga3"))
                o.envelopePaper = true;
            else
                return fail(QStringLiteral("--paper は a4 か naga3 です: %1").arg(*v));
        } else if (arg == QLatin1String("--dpi")) {
            bool ok = false;
            o.dpi = v->toInt(&ok);
            if (!ok || o.dpi < 36 || o.dpi > 1200)
                return fail(QStringLiteral("--dpi は 36 から 1200 までです: %1").arg(*v));
        } else {
            return fail(QStringLiteral("知らないオプションです: %1").arg(arg));
        }
    }
    if (o.dataFile.isEmpty())
        return fail(QStringLiteral("データファイルを指定してください"));
    if (o.record == 0)
        return fail(QStringLiteral("--record を指定してください"));
    if (!haveDoc)
        return fail(QStringLiteral("--doc を指定してください"));
    const QString suffix = QFileInfo(o.out).suffix().toLower();
    if (suffix == QLatin1String("pdf"))
        o.pdf = true;
    else if (suffix == QLatin1String("png"))
        o.pdf = false;
    else
        return fail(QStringLiteral("--out は .pdf か .png のファイルです: %1").arg(o.out));
    return parsed;
}

RenderJob prepareRender(const RenderOptions& options, QDate today) {
    RenderJob job;
    const auto fail = [&](const QString& text) {
        job.result = Result::failure(text);
        return job;
    };

    datafile::ReadResult read = datafile::readFile(options.dataFile);
    if (read.missing)
        return fail(QStringLiteral("ファイルが有りません: %1").arg(options.dataFile));
    if (!read.result)
        return fail(read.result.error);
    sortByExpiry(read.records);
    if (options.record > int(read.records.size()))
        return fail(QStringLiteral("レコード %1 が有りません（%2 件）")
                        .arg(options.record)
                        .arg(read.records.size()));
    const StationRecord& record = read.records[size_t(options.record - 1)];

    if (!options.settingsFile.isEmpty()) {
        const settingsfile::ReadResult settings =
            settingsfile::ReadSettings(options.settingsFile, job.settings);
        if (settings.missing)
            return fail(QStringLiteral("ファイルが有りません: %1").arg(options.settingsFile));
        if (!settings.result)
            return fail(settings.result.error);
    }

    // The return envelope is addressed to the applicant: it needs no bureau.
    if (options.document != printfill::ReturnEnvelope) {
        const QString bureauPath = options.bureauFile.isEmpty()
                                       ? defaultBureauFile(
                  ProgramInfo::forRunningProgram({bureaufile::fileName()}).folder)
                                       : options.bureauFile;
        const bureaufile::ReadOutcome bureau = bureaufile::readBureauFile(
            bureauPath, bureaufile::areaIndexForCallSign(record.unpadded(Field::CallSign)));
        if (bureau.status == bureaufile::ReadOutcome::Status::Missing)
            return fail(bureaufile::missingMessage() + QStringLiteral(": ") + bureauPath +
                        QStringLiteral("\n（--bureau で別のファイルを指定できます）"));
        if (bureau.status == bureaufile::ReadOutcome::Status::ReadError)
            return fail(bureau.error);
        job.bureau = bureau.values;
    }

    // The answers of the print dialog, as it remembers them between openings.
    PrintData answers;
    answers.PrintDateFlag = options.date ? 1 : 0;
    if (options.date)
        answers.PrintAppDate = FormatEraDate(*options.date);
    answers.PrepayAnswer = options.prepayAnswer;
    answers.PrepayPeriod = options.prepayPeriod;
    answers.PrepayYears = options.prepayYears;
    answers.DisposalHistory = options.disposal ? 1 : 0;
    answers.RegisteredMail = options.registeredMail ? 1 : 0;
    job.print = printfill::printDataForRecord(record, answers, job.bureau, today);
    if (options.club)
        job.print.PrintClubFlag = *options.club ? 1 : 0;

    job.pageTwips = options.document != printfill::ApplicationForm && options.envelopePaper
                        ? pagesize::envelopeNaga3Landscape()
                        : pagesize::a4();
    return job;
}

Result writeRender(const RenderOptions& options, const RenderJob& job) {
    fonts::installSubstitutions();
    const PageInputs inputs{job.print, job.bureau, job.settings};
    const bool envelope = options.document != printfill::ApplicationForm;
    const QString note = options.document == printfill::BureauEnvelope
                             ? job.print.BureauEnvelopeNote
                             : job.print.ReturnEnvelopeNote;
    const auto draw = [&](DrawingSurface& surface, int mode) {
        switch (options.document) {
        case printfill::BureauEnvelope:
            return FutoSotu(surface, mode, note, inputs);
        case printfill::ReturnEnvelope:
            return FutoHenshin(surface, mode, note, inputs);
        default:
            return SaiMen(surface, mode, inputs);
        }
    };
    const QString cannotWrite = QStringLiteral("書き込めません: %1").arg(options.out);

    if (!options.pdf) {
        // The preview's page buffer: mode 3.
        QImage image = pagesize::pageImage(job.pageTwips, options.dpi);
        {
            PainterSurface surface(image, job.pageTwips);
            const Result drawn = draw(surface, 3);
            if (!drawn)
                return drawn;
        }
        return image.save(options.out, "PNG") ? Result::success() : Result::failure(cannotWrite);
    }

    // The printer: mode 1, one page.
    QPdfWriter writer(options.out);
    const bool landscape = envelope && options.envelopePaper;
    writer.setPageLayout(QPageLayout(
        landscape ? pagesize::envelopeNaga3() : QPageSize(QPageSize::A4),
        landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    writer.setResolution(kPdfResolution);
    writer.setCreator(QStringLiteral("Velmora"));
    writer.setTitle(printfill::documentName(options.document));
    PainterSurface surface(writer, job.pageTwips);
    if (!surface.isActive())
        return Result::failure(cannotWrite);
    const Result drawn = draw(surface, 1);
    const bool finished = surface.finish();
    // Leave no half-drawn page behind.
    if (!drawn || !finished)
        QFile::remove(options.out);
    if (!drawn)
        return drawn;
    return finished ? Result::success() : Result::failure(cannotWrite);
}

int render(const QStringList& args) {
    const ParsedRender parsed = parseRenderOptions(args);
    if (!parsed.result) {
        std::fprintf(stderr, "%s\n%s", parsed.result.error.toUtf8().constData(), kUsage);
        return 2;
    }
    const RenderJob job = prepareRender(parsed.options, SystemClock().today());
    Result result = job.result;
    if (result)
        result = writeRender(parsed.options, job);
    if (!result) {
        std::fprintf(stderr, "%s\n", result.error.toUtf8().constData());
        return 1;
    }
    return 0;
}

} // namespace tool
