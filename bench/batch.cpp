// velmora-tool batch: 1,000 stations × 3 documents (3,000 pages) as one PDF. Targets: 30 s on a
// 2-core machine, a file of 20 MB at most, each font embedded once.
#include "record/datafile.h"
#include "support/benchmain.h"
#include "support/sampleregister.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kStations = 1000;

// A realistic register whose 1,000 windows are all open on 2026-02-10 (expiries from 1 May to
// 29 June 2026).
QString dueRegister() {
    std::vector<StationRecord> records = bench::sampleRegister(kStations);
    for (size_t k = 0; k < records.size(); ++k)
        records[k].setExpiry(QDate(2026, 5, 1).addDays(qint64(k % 60)));
    return bench::writeSampleFile(records, "due.stn");
}

int count(const QByteArray& pdf, const char* pattern) {
    const QRegularExpression re(QString::fromLatin1(pattern));
    int n = 0;
    for (auto it = re.globalMatch(QString::fromLatin1(pdf)); it.hasNext(); it.next())
        ++n;
    return n;
}

void BatchThreeThousandPages(benchmark::State& state) {
    const QString tool = QCoreApplication::applicationDirPath() + "/velmora-tool";
    const QString data = dueRegister();
    QTemporaryDir dir;
    const QString out = dir.filePath("batch.pdf");
    double seconds = 0;
    for (auto _ : state) {
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        QElapsedTimer timer;
        timer.start();
        process.start(tool, {"batch", data, "--out", out, "--on", "2026-02-10", "--bureau",
                             VELMORA_SOURCE_DIR "/data/総務省.dat", "--date", "2026-02-10",
                             "--registered-mail"});
        process.waitForFinished(-1);
        seconds += double(timer.nsecsElapsed()) / 1e9;
        if (process.exitCode() != 0)
            state.SkipWithError(process.readAllStandardError().constData());
    }
    QFile file(out);
    file.open(QIODevice::ReadOnly);
    const QByteArray pdf = file.readAll();
    const int pages = count(pdf, "/Type\\s*/Page[^s]");
    state.counters["pages"] = pages;
    state.counters["pages_per_s"] = pages * double(state.iterations()) / seconds;
    state.counters["size_MB"] = double(pdf.size()) / (1024 * 1024);
    // One embedded font program per face, however many pages use it.
    state.counters["font_files"] = count(pdf, "/FontFile2");
}
BENCHMARK(BatchThreeThousandPages)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    return bench::runBenchmarks<QCoreApplication>(argc, argv);
}
