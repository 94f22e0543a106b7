// Opening and saving a full register, and velmora-tool dump against iconv.
#include "record/datafile.h"
#include "record/datafilecheck.h"
#include "record/fingerprint.h"
#include "support/benchmain.h"
#include "support/sampleregister.h"
#include "tool/commands.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

const QString& sampleFile() {
    static const QString path =
        bench::writeSampleFile(bench::sampleRegister(RecordStore::kMaxRecords), "full.stn");
    return path;
}

void OpenFullRegister(benchmark::State& state) {
    const QString path = sampleFile();
    for (auto _ : state) {
        auto store = std::make_unique<RecordStore>();
        const auto result = datafile::OpenDataFile(*store, path, QDate(2026, 1, 1));
        benchmark::DoNotOptimize(store->Count());
        if (result.outcome != datafile::Outcome::Done)
            state.SkipWithError("open failed");
        // Freeing the register is the next open's or the exit's cost, not this one's.
        state.PauseTiming();
        store.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(OpenFullRegister)->Unit(benchmark::kMillisecond);

// What the window does at an open besides reading the records: the look at the file for
// damage, and the fingerprint that a later save compares with.
void CheckAndFingerprintFullRegister(benchmark::State& state) {
    const QString path = sampleFile();
    for (auto _ : state) {
        if (state.range(0) == 0)
            benchmark::DoNotOptimize(datafile::checkFile(path).looksDamaged());
        else
            benchmark::DoNotOptimize(FileFingerprint::of(path).size);
    }
}
BENCHMARK(CheckAndFingerprintFullRegister)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void SaveFullRegister(benchmark::State& state) {
    RecordStore store;
    datafile::OpenDataFile(store, sampleFile(), QDate(2026, 1, 1));
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("BackUp");
    store.DataFile = dir.filePath("save.stn");
    for (auto _ : state) {
        const auto result = datafile::SaveDataFile(store, store.DataFile, QDate(2026, 1, 1));
        if (!result.result)
            state.SkipWithError("save failed");
    }
}
BENCHMARK(SaveFullRegister)->Unit(benchmark::kMillisecond);

// Whole commands, as a user runs them: velmora-tool dump and iconv over the same file.
double runCommand(const QString& program, const QStringList& args) {
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    process.start(program, args);
    process.waitForFinished(-1);
    return double(timer.nsecsElapsed()) / 1e6;
}

void DumpVersusIconv(benchmark::State& state) {
    const QString tool = QCoreApplication::applicationDirPath() + "/velmora-tool";
    double dumpMs = 0, iconvMs = 0;
    for (auto _ : state) {
        dumpMs += runCommand(tool, {"dump", sampleFile()});
        iconvMs += runCommand("iconv", {"-c", "-f", "CP932", "-t", "UTF-8", sampleFile()});
    }
    state.counters["dump_ms"] = dumpMs / double(state.iterations());
    state.counters["iconv_ms"] = iconvMs / double(state.iterations());
    state.counters["ratio"] = dumpMs / iconvMs;
}
BENCHMARK(DumpVersusIconv)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char** argv) {
    return bench::runBenchmarks<QCoreApplication>(argc, argv);
}
