// The CSV export and import of a full register of double-byte text, as the menu commands run
// them: writing the file, and reading it into the register with the duplicate check and the
// colours; and a CSV that corrects every station of a full register, read, matched, applied,
// sorted and coloured. Target: each at most 1 s.
#include "record/csvexport.h"
#include "record/csvimport.h"
#include "record/importplan.h"
#include "record/recordchecks.h"
#include "support/benchmain.h"
#include "support/sampleregister.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

const std::vector<StationRecord>& fullRegister() {
    static const std::vector<StationRecord> records =
        bench::fullWidthRegister(RecordStore::kMaxRecords);
    return records;
}

void ExportFullRegister(benchmark::State& state, csvfile::Encoding encoding) {
    QTemporaryDir dir;
    const QString path = dir.filePath("full.csv");
    for (auto _ : state) {
        if (!csvfile::writeCsv(path, fullRegister(), encoding))
            state.SkipWithError("export failed");
    }
}
BENCHMARK_CAPTURE(ExportFullRegister, utf8, csvfile::Encoding::Utf8)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ExportFullRegister, cp932, csvfile::Encoding::Cp932)
    ->Unit(benchmark::kMillisecond);

void ImportFullRegister(benchmark::State& state, csvfile::Encoding encoding) {
    QTemporaryDir dir;
    const QString path = dir.filePath("full.csv");
    csvfile::writeCsv(path, fullRegister(), encoding);
    for (auto _ : state) {
        auto store = std::make_unique<RecordStore>();
        csvfile::Imported imported = csvfile::readCsv(path);
        if (!imported.result || !store->extend(std::move(imported.records)))
            state.SkipWithError("import failed");
        checks::removeDuplicates(*store);
        checks::colourByExpiry(*store, QDate(2026, 1, 1));
        benchmark::DoNotOptimize(store->Count());
        state.PauseTiming();
        store.reset();
        state.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(ImportFullRegister, utf8, csvfile::Encoding::Utf8)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ImportFullRegister, cp932, csvfile::Encoding::Cp932)
    ->Unit(benchmark::kMillisecond);

// Every row of the file matches a station of the full register and corrects its telephone
// number, so the plan holds 32,767 updates.
void UpdateFullRegister(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("corrected.csv");
    std::vector<StationRecord> corrected = fullRegister();
    for (StationRecord& r : corrected)
        r.set(Field::ApplicantTel, r.trimmed(Field::ApplicantTel) + u'9');
    csvfile::writeCsv(path, corrected, csvfile::Encoding::Utf8);
    for (auto _ : state) {
        state.PauseTiming();
        auto store = std::make_unique<RecordStore>();
        store->load(fullRegister());
        state.ResumeTiming();
        const csvfile::Imported imported = csvfile::readCsv(path);
        const csvfile::PlannedImport planned = csvfile::planImport(store->records(), imported);
        if (!planned.result || planned.plan.updated.size() != corrected.size() ||
            !csvfile::applyImportPlan(*store, planned.plan))
            state.SkipWithError("import failed");
        checks::sortByExpiry(*store);
        checks::colourByExpiry(*store, QDate(2026, 1, 1));
        benchmark::DoNotOptimize(store->Count());
        state.PauseTiming();
        store.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(UpdateFullRegister)->Unit(benchmark::kMillisecond);

// The import's own share: reading the CSV bytes into records, without the file and the checks.
void ParseFullRegister(benchmark::State& state) {
    const QByteArray bytes = csvfile::exportCsv(fullRegister(), csvfile::Encoding::Utf8).bytes;
    for (auto _ : state) {
        csvfile::Imported imported = csvfile::importCsv(bytes);
        benchmark::DoNotOptimize(imported.records.size());
    }
}
BENCHMARK(ParseFullRegister)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::runBenchmarks<QCoreApplication>(argc, argv);
}
