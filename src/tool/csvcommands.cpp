#include "tool/csvcommands.h"

#include "platform/clock.h"
#include "record/csvexport.h"
#include "record/csvimport.h"
#include "record/datafile.h"
#include "record/importplan.h"
#include "record/sortorder.h"

#include <QHash>
#include <cstdio>
#include <optional>

namespace tool {

namespace {

const char kExportUsage[] =
    "usage: velmora-tool export FILE.stn --out OUT.csv [--encoding utf-8|cp932]\n";
const char kImportUsage[] =
    "usage: velmora-tool import IN.csv --into FILE.stn [--dry-run] [--strict]\n";

// One file argument and the values of the named options; nothing on a malformed command line.
struct Arguments {
    QString file;
    QHash<QString, QString> options;
};

std::optional<Arguments> parse(const QStringList& args, const QStringList& names,
                               const QStringList& flags = {}) {
    Arguments parsed;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (flags.contains(args[i])) {
            parsed.options.insert(args[i], QString());
        } else if (names.contains(args[i])) {
            if (i + 1 >= args.size() || parsed.options.contains(args[i]))
                return std::nullopt;
            parsed.options.insert(args[i], args[i + 1]);
            ++i;
        } else if (args[i].startsWith(QLatin1Char('-')) || !parsed.file.isEmpty()) {
            return std::nullopt;
        } else {
            parsed.file = args[i];
        }
    }
    if (parsed.file.isEmpty())
        return std::nullopt;
    return parsed;
}

int fail(const QString& error) {
    std::fprintf(stderr, "%s\n", error.toUtf8().constData());
    return 1;
}

} // namespace

int exportCsv(const QStringList& args) {
    const std::optional<Arguments> parsed =
        parse(args, {QStringLiteral("--out"), QStringLiteral("--encoding")});
    const QString out = parsed ? parsed->options.value(QStringLiteral("--out")) : QString();
    const QString encodingName =
        parsed ? parsed->options.value(QStringLiteral("--encoding"), QStringLiteral("utf-8"))
               : QString();
    const bool cp932 = encodingName.compare(QLatin1String("cp932"), Qt::CaseInsensitive) == 0;
    if (!parsed || out.isEmpty() ||
        (!cp932 && encodingName.compare(QLatin1String("utf-8"), Qt::CaseInsensitive) != 0)) {
        std::fputs(kExportUsage, stderr);
        return 2;
    }
    datafile::ReadResult read = datafile::readFile(parsed->file);
    if (read.missing)
        return fail(QStringLiteral("ファイルが有りません: %1").arg(parsed->file));
    if (!read.result)
        return fail(read.result.error);
    sortByExpiry(read.records);
    const Result written = csvfile::writeCsv(
        out, read.records, cp932 ? csvfile::Encoding::Cp932 : csvfile::Encoding::Utf8);
    if (!written)
        return fail(written.error);
    std::printf("%s\n", QStringLiteral("%1 件を書き出しました: %2")
                            .arg(read.records.size())
                            .arg(out)
                            .toUtf8()
                            .constData());
    return 0;
}

int importCsv(const QStringList& args) {
    const std::optional<Arguments> parsed =
        parse(args, {QStringLiteral("--into")},
              {QStringLiteral("--dry-run"), QStringLiteral("--strict")});
    const QString into = parsed ? parsed->options.value(QStringLiteral("--into")) : QString();
    if (!parsed || into.isEmpty()) {
        std::fputs(kImportUsage, stderr);
        return 2;
    }
    const bool dryRun = parsed->options.contains(QStringLiteral("--dry-run"));
    const bool strict = parsed->options.contains(QStringLiteral("--strict"));
    const csvfile::Imported imported = csvfile::readCsv(parsed->file);
    if (!imported.result)
        return fail(imported.result.error);
    datafile::ReadResult existing = datafile::readFile(into);
    if (!existing.missing && !existing.result)
        return fail(existing.result.error);

    RecordStore store;
    if (Result loaded = store.load(std::move(existing.records)); !loaded)
        return fail(loaded.error);
    const csvfile::PlannedImport planned = csvfile::planImport(store.records(), imported);
    if (!planned.result)
        return fail(planned.result.error + QStringLiteral("\n何も書き込んでいません。"));
    const csvfile::ImportPlan& plan = planned.plan;
    for (const QString& warning : plan.warnings)
        std::fprintf(stderr, "%s\n", warning.toUtf8().constData());
    if (strict && !plan.warnings.isEmpty())
        return fail(QStringLiteral("--strict のため、何も書き込んでいません。"));
    if (Result room = csvfile::checkRoom(store.Count(), plan); !room)
        return fail(room.error + QStringLiteral("何も書き込んでいません。"));
    std::printf("%s\n", csvfile::planSummary(plan).toUtf8().constData());
    if (dryRun)
        return 0;

    if (Result applied = csvfile::applyImportPlan(store, plan); !applied)
        return fail(applied.error);
    store.DataFile = into;
    const datafile::OpResult saved =
        datafile::SaveDataFile(store, store.DataFile, SystemClock().today());
    if (!saved.dataWritten)
        return fail(saved.result.error);
    std::printf(
        "%s\n",
        QStringLiteral("%1 は %2 件です。").arg(into).arg(store.Count()).toUtf8().constData());
    if (!saved.result)
        return fail(QStringLiteral("データは書き込みましたが、バックアップを作れませんでした:\n") +
                    saved.result.error);
    return 0;
}

} // namespace tool
