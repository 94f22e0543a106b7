// Finding stations in a full register: one keystroke in the search box refilters the grid, with
// and without a view attached, and the folded search texts are worked out once after the
// register changed.
#include "mainwin/recordgridmodel.h"
#include "mainwin/stationfilter.h"
#include "record/recordchecks.h"
#include "support/benchmain.h"
#include "support/sampleregister.h"

#include <QApplication>
#include <QHeaderView>
#include <QTableView>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kFullRegister = RecordStore::kMaxRecords;
const QDate kToday(2026, 6, 1);

// What the user types, by kind of field: each keystroke adds one character.
const char16_t* const kTyped[] = {u"ja1ab", u"ｻﾄｳ ﾊﾅｺ", u"東京都千代田", u"関第123"};

struct Grid {
    RecordStore store;
    RecordGridModel model{store};
    StationFilterModel filter{model, store};
    std::unique_ptr<QTableView> view;

    explicit Grid(bool withView) {
        store.load(bench::sampleRegister(kFullRegister));
        checks::sortByExpiry(store);
        checks::colourByExpiry(store, kToday);
        filter.setDay(kToday);
        if (withView) {
            view = std::make_unique<QTableView>();
            view->setModel(&filter);
            view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
            view->resize(1000, 700);
            view->show();
        }
    }
};

// One keystroke: the text grows by a character (and starts again after the whole word).
void BM_Keystroke(benchmark::State& state) {
    const QString word = QString::fromUtf16(kTyped[state.range(0)]);
    Grid grid(state.range(1) != 0);
    grid.filter.setSearchText(word); // the keys are worked out before the first keystroke
    qsizetype typed = 0;
    int shown = 0;
    for (auto _ : state) {
        typed = typed % word.size() + 1;
        grid.filter.setSearchText(word.left(typed));
        shown = grid.filter.rowCount();
    }
    state.SetLabel((word + (state.range(1) ? u" (view)"_qs : u""_qs)).toStdString());
    state.counters["shown_last"] = shown;
}
BENCHMARK(BM_Keystroke)
    ->ArgsProduct({{0, 1, 2, 3}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0);

// A state chosen in the combo box, with a search text already typed.
void BM_StateFilter(benchmark::State& state) {
    Grid grid(false);
    grid.filter.setSearchText(u"ja"_qs);
    int i = 0;
    for (auto _ : state) {
        grid.filter.setStateFilter(++i % 2 ? StationFilterModel::StateFilter::Open
                                           : StationFilterModel::StateFilter::All);
        benchmark::DoNotOptimize(grid.filter.rowCount());
    }
}
BENCHMARK(BM_StateFilter)->Unit(benchmark::kMillisecond);

// The first keystroke after the register changed (opened, sorted, edited): every station's
// search text is folded again.
// With no search text (0) the same costs only the sort.
void BM_FoldRegister(benchmark::State& state) {
    Grid grid(false);
    grid.filter.setSearchText(state.range(0) ? u"ja1"_qs : QString());
    for (auto _ : state) {
        checks::sortByExpiry(grid.store); // a reset of the grid model, as after every dialog
        benchmark::DoNotOptimize(grid.filter.rowCount());
    }
}
BENCHMARK(BM_FoldRegister)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::runBenchmarks<QApplication>(argc, argv);
}
