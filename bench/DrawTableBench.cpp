// The table of all draws on the bundled history: from the click to a painted table (made,
// filled from the draw file, sorted newest first, shown), then the quick filter and a sort
// over the whole history.

#include "BenchHistory.h"
#include "DrawTableDialog.h"
#include "DrawTableModel.h"
#include "app/AppState.h"

#include <QApplication>
#include <QLineEdit>
#include <QTableView>

#include <benchmark/benchmark.h>

using namespace powerball;
using namespace powerball::ui;

namespace {

AppState benchState() {
    AppState state;
    state.programFolder = bench::historyFolder("draw_table_bench");
    return state;
}

// What the user waits for after the click: the dialog made, read and painted once.
void OpenTable(benchmark::State& state) {
    const AppState app = benchState();
    for (auto _ : state) {
        DrawTableDialog dialog;
        dialog.showState(app);
        dialog.show();
        benchmark::DoNotOptimize(dialog.grab());
        state.counters["draws"] = dialog.model()->rowCount();
    }
}
BENCHMARK(OpenTable)->Unit(benchmark::kMillisecond);

// Typing a number into the filter: every draw is looked at once.
void FilterByNumber(benchmark::State& state) {
    const AppState app = benchState();
    DrawTableDialog dialog;
    dialog.showState(app);
    auto* filter = dialog.findChild<QLineEdit*>();
    bool seven = false;
    for (auto _ : state) {
        filter->setText(seven ? QStringLiteral("7") : QStringLiteral("2024"));
        seven = !seven;
    }
}
BENCHMARK(FilterByNumber)->Unit(benchmark::kMillisecond);

// A click on a column header: the whole history sorted by its numbers.
void SortByPowerball(benchmark::State& state) {
    const AppState app = benchState();
    DrawTableDialog dialog;
    dialog.showState(app);
    bool up = false;
    for (auto _ : state) {
        dialog.view()->sortByColumn(DrawTableModel::Powerball,
                                    up ? Qt::AscendingOrder : Qt::DescendingOrder);
        up = !up;
    }
}
BENCHMARK(SortByPowerball)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
