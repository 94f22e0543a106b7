// Undo and redo on a full register: undoing and redoing the duplicate check, the cost of
// recording a change, and the memory a step holds.
#include "mainwin/recordgridmodel.h"
#include "mainwin/registerundo.h"
#include "record/recordchecks.h"
#include "support/benchmain.h"
#include "support/sampleregister.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <memory>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

constexpr int kFullRegister = RecordStore::kMaxRecords;
const QDate kToday(2026, 6, 1);

double heapInUse() {
#ifdef __GLIBC__
    return double(mallinfo2().uordblks);
#else
    return 0;
#endif
}

// The window's register: the grid's model listening, and after an undo or redo the sort and the
// colouring that follow every change.
struct Window {
    RecordStore store;
    RecordGridModel model{store};
    RegisterUndo undo{store};

    // 0: as opened, sorted and coloured; 1: never sorted, so that the check moves every row.
    explicit Window(int order) {
        store.load(bench::registerWithDuplicates(kFullRegister));
        if (order == 0)
            checks::sortByExpiry(store);
        checks::colourByExpiry(store, kToday);
        QObject::connect(&undo, &RegisterUndo::restored, [this] {
            checks::sortByExpiry(store);
            checks::colourByExpiry(store, kToday);
        });
        undo.opened();
    }
    void checkDuplicates() {
        const RegisterUndo::Change change(undo, actionText(RegisterAction::DuplicateCheck));
        checks::removeDuplicates(store);
    }
    // The heap the undo stack holds.
    double stepBytes() {
        const double held = heapInUse();
        undo.opened();
        return held - heapInUse();
    }
};

const char* orderLabel(int order) {
    return order == 0 ? "as opened" : "every row moved";
}

void BM_UndoDuplicateCheck(benchmark::State& state) {
    Window window(int(state.range(0)));
    const int rows = window.store.Count();
    window.checkDuplicates();
    const int left = window.store.Count();
    for (auto _ : state) {
        window.undo.undo();
        state.PauseTiming();
        window.undo.redo();
        state.ResumeTiming();
    }
    state.counters["rows"] = rows;
    state.counters["left"] = left;
    state.counters["step_MB"] = window.stepBytes() / (1024.0 * 1024.0);
    state.SetLabel(orderLabel(int(state.range(0))));
}
BENCHMARK(BM_UndoDuplicateCheck)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_RedoDuplicateCheck(benchmark::State& state) {
    Window window(int(state.range(0)));
    window.checkDuplicates();
    for (auto _ : state) {
        state.PauseTiming();
        window.undo.undo();
        state.ResumeTiming();
        window.undo.redo();
    }
    state.SetLabel(orderLabel(int(state.range(0))));
}
BENCHMARK(BM_RedoDuplicateCheck)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// What recording adds to the duplicate check: the register noted before, the difference after.
void BM_RecordDuplicateCheck(benchmark::State& state) {
    std::unique_ptr<Window> window;
    for (auto _ : state) {
        state.PauseTiming();
        window.reset();
        window = std::make_unique<Window>(0);
        state.ResumeTiming();
        window->undo.begin(actionText(RegisterAction::DuplicateCheck));
        state.PauseTiming();
        checks::removeDuplicates(window->store);
        state.ResumeTiming();
        window->undo.commit();
    }
}
BENCHMARK(BM_RecordDuplicateCheck)->Unit(benchmark::kMillisecond);

// One station overwritten in the full register, then sorted and coloured as the window does:
// all of it with the recording, and what each step holds.
void BM_RecordOverwrite(benchmark::State& state) {
    Window window(0);
    int row = 1;
    for (auto _ : state) {
        StationRecord record = window.store.record(row);
        record.setExpiry(record.expiry().addYears(5));
        window.undo.begin(actionText(storeAction(window.store.record(row), record)));
        window.store.replace(row, record);
        checks::sortByExpiry(window.store);
        checks::colourByExpiry(window.store, kToday);
        window.undo.commit();
        row = row % 1000 + 1;
    }
    const double steps = window.undo.stack().count();
    state.counters["step_KB"] = window.stepBytes() / steps / 1024.0;
}
BENCHMARK(BM_RecordOverwrite)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::runBenchmarks<QApplication>(argc, argv);
}
