// The CSV export and import of a full register of double-byte text, as the menu commands run
// them: writing the file, and reading it into the register with the duplicate check and the
// colours. Target: each at most 1 s.
#include "record/csvexport.h"
#include "record/csvimport.h"
#include "record/recordchecks.h"
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
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
