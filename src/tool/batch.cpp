#include "tool/batch.h"

#include "platform/clock.h"
#include "platform/gui/fonts.h"
#include "print/core/batchprint.h"
#include "print/core/pagesize.h"
#include "record/eradate.h"
#include "record/renewalwindow.h"
#include "tool/sortedregister.h"

#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace tool {

namespace {

const char* const kUsage =
    "usage: velmora-tool batch FILE.stn --out OUT.pdf [--on DATE] [--docs form,bureau,return]\n"
    "         [--records N,M,...]\n";
const char* const kUsageNotes =
    "  --on       the day whose open application windows are printed (default today)\n"
    "  --docs     the documents of each station (default all three)\n"
    "  --records  these stations instead, by their numbers in the program's order\n";

void printError(const QString& text) {
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

} // namespace

ParsedBatch parseBatchOptions(const QStringList& args) {
    ParsedBatch parsed;
    BatchOptions& o = parsed.options;
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
        if (arg != QLatin1String("--out") && arg != QLatin1String("--on") &&
            arg != QLatin1String("--docs") && arg != QLatin1String("--records"))
            return fail(QStringLiteral("知らないオプションです: %1").arg(arg));
        const std::optional<QString> v = optionValue(args, i);
        if (!v)
            return fail(QStringLiteral("%1 に値がありません").arg(arg));
        if (arg == QLatin1String("--out")) {
            o.out = *v;
        } else if (arg == QLatin1String("--on")) {
            o.on = *v;
        } else if (arg == QLatin1String("--docs")) {
            o.docs = {false, false, false};
            for (const QString& doc : v->split(u',')) {
                if (doc == QLatin1String("form"))
                    o.docs[printfill::ApplicationForm] = true;
                else if (doc == QLatin1String("bureau"))
                    o.docs[printfill::BureauEnvelope] = true;
                else if (doc == QLatin1String("return"))
                    o.docs[printfill::ReturnEnvelope] = true;
                else
                    return fail(QStringLiteral("--docs は form、bureau、return をコンマで区切って"
                                               "並べます: %1")
                                    .arg(*v));
            }
        } else {
            for (const QString& number : v->split(u',')) {
                bool ok = false;
                const int n = number.toInt(&ok);
                if (!ok || n < 1)
                    return fail(QStringLiteral("レコード番号が正しくありません: %1").arg(number));
                o.records.push_back(n);
            }
        }
    }
    if (o.dataFile.isEmpty())
        return fail(QStringLiteral("データファイルを指定してください"));
    if (o.out.isEmpty() || QFileInfo(o.out).suffix().toLower() != QLatin1String("pdf"))
        return fail(QStringLiteral("--out に .pdf のファイルを指定してください"));
    return parsed;
}

int batch(const QStringList& args) {
    const ParsedBatch parsed = parseBatchOptions(args);
    const BatchOptions& o = parsed.options;
    QString error = parsed.result.error;
    const QDate day = parsed.result
                          ? dayOf(o.on.isEmpty() ? QString() : o.on, SystemClock().today(), error)
                          : QDate();
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n%s%s%s", error.toUtf8().constData(), kUsage, kPrintAnswersUsage,
                     kUsageNotes);
        return 1;
    }
    const SortedRegister reg = readSortedRegister(o.dataFile);
    if (!reg.result) {
        printError(reg.result.error);
        return 1;
    }

    batchprint::Request request;
    if (o.records.empty()) {
        for (size_t k = 0; k < reg.records.size(); ++k) {
            if (renewal::isOpen(renewal::stateOn(renewal::windowFor(reg.records[k]), day)))
                request.stations.push_back({int(k) + 1, reg.records[k]});
        }
        if (request.stations.empty()) {
            printError(QStringLiteral("%1に申請を受け付けている局はありません。")
                           .arg(FormatEraDate(day, EraPattern::Unpadded)));
            return 1;
        }
    } else {
        std::vector<int> numbers = o.records;
        std::sort(numbers.begin(), numbers.end());
        numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
        QStringList missing;
        for (int n : numbers) {
            if (n > int(reg.records.size()))
                missing << QString::number(n);
        }
        if (!missing.isEmpty()) {
            printError(QStringLiteral("レコード %1 が有りません（%2 件）")
                           .arg(missing.join(QStringLiteral(", ")))
                           .arg(reg.records.size()));
            return 1;
        }
        for (int n : numbers)
            request.stations.push_back({n, reg.records[size_t(n - 1)]});
    }
    // The date printed on the forms, else the day the stations are picked by, checked against
    // each station's window: --on and --date may differ.
    std::vector<StationRecord> chosen;
    for (const batchprint::Station& station : request.stations)
        chosen.push_back(station.record);
    const QDate printed = o.date.value_or(day);
    for (size_t k : renewal::outsideWindow(chosen, printed)) {
        const batchprint::Station& station = request.stations[k];
        printError(
            QStringLiteral("注意: %1 %2")
                .arg(batchprint::stationName(station),
                     renewal::outsideWindowWarning(renewal::windowFor(station.record), printed)));
    }

    request.docs = o.docs;
    request.answers = answersAsPrintData(o);
    request.club = o.club;
    request.bureauFile = bureauPath(o);
    request.today = SystemClock().today();
    if (const Result settings = readAnswerSettings(o, request.settings); !settings) {
        printError(settings.error);
        return 1;
    }
    const batchprint::Paper paper{
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()),
        o.envelopePaper
            ? QPageLayout(pagesize::envelopeNaga3(), QPageLayout::Landscape, QMarginsF())
            : QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF())};

    fonts::installSubstitutions();
    const bool terminal = isatty(STDERR_FILENO) != 0;
    const batchprint::Outcome outcome =
        batchprint::writePdf(o.out, request, paper, [terminal](int done, int total) {
            if (terminal)
                std::fprintf(stderr, "\r%d / %d ページ", done, total);
            return true;
        });
    if (terminal)
        std::fputs("\n", stderr);
    if (!outcome.done()) {
        printError(
            QStringLiteral("PDFファイルを作成できませんでした: %1\n%2").arg(o.out, outcome.error));
        return 1;
    }
    std::printf("%s: %d局 %dページ\n", o.out.toUtf8().constData(), int(request.stations.size()),
                outcome.pages);
    return 0;
}

} // namespace tool
