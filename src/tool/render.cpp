#include "tool/render.h"

#include "platform/clock.h"
#include "platform/gui/fonts.h"
#include "print/core/bureaufile.h"
#include "print/core/layouts.h"
#include "print/core/pagesize.h"
#include "print/core/paintersurface.h"
#include "print/core/printfill.h"
#include "record/datafile.h"
#include "record/sortorder.h"
#include "record/wholefile.h"

#include <QBuffer>
#include <QCoreApplication>
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
    "         [--dpi N]\n";
const char* const kUsageNotes =
    "  N        record number after sorting by expiry date, as the program lists them\n";

} // namespace

ParsedRender parseRenderOptions(const QStringList& args) {
    ParsedRender parsed;
    RenderOptions& o = parsed.options;
    bool haveDoc = false;
    const auto fail = [&](const QString& text) {
        parsed.result = Result::failure(text);
        return parsed;
    };
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (!arg.startsWith(QStringLiteral("--"))) {
            if (!o.dataFile.isEmpty())
                return fail(QStringLiteral("余分な引数です: %1").arg(arg));
            o.dataFile = arg;
            continue;
        }
        QString error;
        const OptionRead answer = readAnswerOption(args, i, o, error);
        if (answer == OptionRead::Bad)
            return fail(error);
        if (answer == OptionRead::Read)
            continue;
        const bool takesValue = arg == QLatin1String("--record") || arg == QLatin1String("--doc") ||
                                arg == QLatin1String("--out") || arg == QLatin1String("--dpi");
        if (!takesValue)
            return fail(QStringLiteral("知らないオプションです: %1").arg(arg));
        const std::optional<QString> v = optionValue(args, i);
        if (!v)
            return fail(QStringLiteral("%1 に値がありません").arg(arg));
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
        } else {
            bool ok = false;
            o.dpi = v->toInt(&ok);
            if (!ok || o.dpi < 36 || o.dpi > 1200)
                return fail(QStringLiteral("--dpi は 36 から 1200 までです: %1").arg(*v));
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

    if (const Result settings = readAnswerSettings(options, job.settings); !settings)
        return fail(settings.error);

    // The return envelope is addressed to the applicant: it needs no bureau.
    if (options.document != printfill::ReturnEnvelope) {
        const QString bureauPath = tool::bureauPath(options);
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
    const PrintData answers = answersAsPrintData(options);
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
    const auto draw = [&](DrawingSurface& surface, int mode) {
        return printfill::drawDocument(surface, options.document, mode, inputs);
    };
    const QString cannotWrite = QStringLiteral("書き込めません: %1").arg(options.out);

    // The page is made in memory and the file written as a whole: a failure leaves no
    // half-drawn page and keeps the old file, and reports why in Japanese.
    QBuffer page;
    page.open(QIODevice::WriteOnly);
    if (!options.pdf) {
        // The preview's page buffer: mode 3.
        QImage image = pagesize::pageImage(job.pageTwips, options.dpi);
        {
            PainterSurface surface(image, job.pageTwips);
            const Result drawn = draw(surface, 3);
            if (!drawn)
                return drawn;
        }
        if (!image.save(&page, "PNG"))
            return Result::failure(cannotWrite);
        return writeWholeFile(options.out, page.data());
    }

    // The printer: mode 1, one page.
    QPdfWriter writer(&page);
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
    if (!drawn)
        return drawn;
    if (!finished)
        return Result::failure(cannotWrite);
    return writeWholeFile(options.out, page.data());
}

int render(const QStringList& args) {
    const ParsedRender parsed = parseRenderOptions(args);
    if (!parsed.result) {
        std::fprintf(stderr, "%s\n%s%s%s", parsed.result.error.toUtf8().constData(), kUsage,
                     kPrintAnswersUsage, kUsageNotes);
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
