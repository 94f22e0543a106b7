// The main window's work on a full register: open → list → sort → colour, the duplicate
// check (and a literal pairwise scan for reference), the sort with the colouring, and painting
// while scrolling.
//
// bench_mainwin --write-register=PATH writes the 32,767-record register to PATH and exits, and
// --write-full-width-register=PATH the one full of double-byte text (for measuring the
// program's memory with the register open).
#include "mainwin/recordgridmodel.h"
#include "platform/gui/fonts.h"
#include "record/datafile.h"
#include "record/eradate.h"
#include "record/recordchecks.h"
#include "record/renewalwindow.h"
#include "record/sortorder.h"
#include "support/benchmain.h"
#include "support/sampleregister.h"

#include <QApplication>
#include <QHeaderView>
#include <QPixmap>
#include <QScrollBar>
#include <QTableView>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstring>
#include <memory>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

constexpr int kFullRegister = RecordStore::kMaxRecords;
const QDate kToday(2026, 6, 1);

const QString& fullRegisterFile() {
    static const QString path =
        bench::writeSampleFile(bench::sampleRegister(kFullRegister), QStringLiteral("full.stn"));
    return path;
}

// The register at its limit with every field full to its width of double-byte text.
const QString& fullWidthRegisterFile() {
    static const QString path = bench::writeSampleFile(bench::fullWidthRegister(kFullRegister),
                                                       QStringLiteral("fullwidth.stn"));
    return path;
}

// Bytes of heap in use, where the C library tells.
double heapInUse() {
#ifdef __GLIBC__
    return double(mallinfo2().uordblks);
#else
    return 0;
#endif
}

void BM_OpenListSortColour(benchmark::State& state) {
    // 0: a realistic register; 1: every field full of double-byte text.
    const QString& path = state.range(0) == 0 ? fullRegisterFile() : fullWidthRegisterFile();
    std::unique_ptr<RecordStore> store;
    std::unique_ptr<RecordGridModel> model;
    for (auto _ : state) {
        state.PauseTiming();
        // Freeing the register opened before is measured on its own below.
        model.reset();
        store.reset();
        state.ResumeTiming();
        store = std::make_unique<RecordStore>();
        model = std::make_unique<RecordGridModel>(*store); // the view's model follows
        datafile::OpenDataFile(*store, path, kToday);
        checks::sortByExpiry(*store);
        checks::colourByExpiry(*store, kToday);
        benchmark::DoNotOptimize(store->colour(1));
    }
    state.SetItemsProcessed(state.iterations() * kFullRegister);
    // The heap the open register (store and model) holds.
    const double held = heapInUse();
    model.reset();
    store.reset();
    state.counters["heap_MB"] = (held - heapInUse()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_OpenListSortColour)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Opening a file over an open register first lets the old one go.
void BM_FreeOpenRegister(benchmark::State& state) {
    const QString& path = fullRegisterFile();
    for (auto _ : state) {
        state.PauseTiming();
        auto store = std::make_unique<RecordStore>();
        datafile::OpenDataFile(*store, path, kToday);
        state.ResumeTiming();
        store.reset();
    }
}
BENCHMARK(BM_FreeOpenRegister)->Unit(benchmark::kMillisecond);

// The steps of the above one by one.
void BM_Step(benchmark::State& state) {
    const QString& path = fullRegisterFile();
    const int step = int(state.range(0));
    std::unique_ptr<RecordStore> store;
    for (auto _ : state) {
        state.PauseTiming();
        store = std::make_unique<RecordStore>();
        if (step > 0)
            datafile::OpenDataFile(*store, path, kToday);
        if (step > 1)
            checks::sortByExpiry(*store);
        state.ResumeTiming();
        switch (step) {
        case 0:
            datafile::OpenDataFile(*store, path, kToday);
            break;
        case 1:
            checks::sortByExpiry(*store);
            break;
        default:
            checks::colourByExpiry(*store, kToday);
            break;
        }
    }
    const char* names[] = {"open", "sort", "colour"};
    state.SetLabel(names[std::min(step, 2)]);
}
BENCHMARK(BM_Step)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_RemoveDuplicates(benchmark::State& state) {
    const std::vector<StationRecord> records = bench::registerWithDuplicates(int(state.range(0)));
    int left = 0;
    std::unique_ptr<RecordStore> store;
    for (auto _ : state) {
        state.PauseTiming();
        store.reset(); // freeing the previous register is not part of the check
        store = std::make_unique<RecordStore>();
        store->load(records);
        state.ResumeTiming();
        checks::removeDuplicates(*store);
        left = store->Count();
    }
    state.counters["rows"] = double(records.size());
    state.counters["left"] = left;
}
BENCHMARK(BM_RemoveDuplicates)->Arg(4096)->Arg(kFullRegister)->Unit(benchmark::kMillisecond);

// The duplicate scan as a walk over every pair of rows, trimming the three texts of the lower
// row for every comparison and removing a row as soon as it is found equal (without letting
// window events run in between, which would only make it slower).
void BM_PairwiseScanReference(benchmark::State& state) {
    const std::vector<StationRecord> records = bench::registerWithDuplicates(int(state.range(0)));
    int left = 0;
    std::vector<std::array<QString, 3>> rows;
    for (auto _ : state) {
        state.PauseTiming();
        rows.clear();
        for (const StationRecord& record : records)
            rows.push_back({record.trimmed(Field::CallSign), record.trimmed(Field::LicenceNo),
                            FormatEraDate(record.expiry())});
        state.ResumeTiming();
        for (size_t i = 0; i < rows.size(); ++i) {
            const QString a = rows[i][0].trimmed();
            const QString b = rows[i][1].trimmed();
            const QString c = rows[i][2].trimmed();
            for (size_t j = i + 1; j < rows.size(); ++j) {
                if (rows[j][0].trimmed() == a && rows[j][1].trimmed() == b &&
                    rows[j][2].trimmed() == c) {
                    rows.erase(rows.begin() + qsizetype(j));
                    --j;
                }
            }
        }
        left = int(rows.size());
    }
    state.counters["left"] = left;
}
BENCHMARK(BM_PairwiseScanReference)->Arg(4096)->Unit(benchmark::kMillisecond);

// After a dialog closes: the register is mostly in order already.
void BM_DataSortLimitCheck(benchmark::State& state) {
    const bool shuffled = state.range(0) != 0;
    std::vector<StationRecord> records = bench::sampleRegister(kFullRegister);
    if (!shuffled)
        sortByExpiry(records);
    RecordStore store;
    store.load(records);
    RecordGridModel model(store);
    for (auto _ : state) {
        if (shuffled) {
            state.PauseTiming();
            store.load(records);
            state.ResumeTiming();
        }
        checks::sortByExpiry(store);
        checks::colourByExpiry(store, kToday);
    }
    state.SetLabel(shuffled ? "random order" : "already sorted");
}
BENCHMARK(BM_DataSortLimitCheck)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The main window's status line, worked out again after every change of the register.
void BM_RenewalStatus(benchmark::State& state) {
    const std::vector<StationRecord> records = bench::sampleRegister(kFullRegister);
    for (auto _ : state)
        benchmark::DoNotOptimize(renewal::statusText(renewal::summarise(records, kToday)));
}
BENCHMARK(BM_RenewalStatus)->Unit(benchmark::kMillisecond);

// Paints the grid page by page from the top to the bottom of the full register.
void BM_ScrollPaint(benchmark::State& state) {
    fonts::installSubstitutions();
    RecordStore store;
    store.load(bench::sampleRegister(kFullRegister));
    checks::sortByExpiry(store);
    checks::colourByExpiry(store, kToday);
    RecordGridModel model(store);
    QTableView view;
    QFont font(fonts::gothic());
    font.setPointSizeF(10.5);
    font.setBold(true);
    view.setFont(font);
    view.setModel(&model);
    view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view.resize(1000, 700);
    view.show();
    QPixmap target(view.size());
    QScrollBar* bar = view.verticalScrollBar();
    quint64 frames = 0;
    const quint64 requestsBefore = model.cellRequests();
    for (auto _ : state) {
        bar->setValue(bar->value() >= bar->maximum() ? 0 : bar->value() + bar->pageStep());
        view.render(&target);
        ++frames;
    }
    state.counters["cells_per_frame"] = double(model.cellRequests() - requestsBefore) / frames;
    state.counters["rows"] = model.rowCount();
    state.counters["page_rows"] = bar->pageStep();
}
BENCHMARK(BM_ScrollPaint)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::pair<const char*, std::vector<StationRecord> (*)(int)> writers[] = {
            {"--write-register=", [](int count) { return bench::sampleRegister(count); }},
            {"--write-full-width-register=", bench::fullWidthRegister},
        };
        for (const auto& [prefix, make] : writers) {
            if (std::strncmp(argv[i], prefix, std::strlen(prefix)) == 0) {
                QCoreApplication core(argc, argv);
                const QString path = QString::fromLocal8Bit(argv[i] + std::strlen(prefix));
                return datafile::writeFile(path, make(kFullRegister)) ? 0 : 1;
            }
        }
    }
    return bench::runBenchmarks<QApplication>(argc, argv);
}
