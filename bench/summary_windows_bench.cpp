// Times the summary windows over a working database whose report tables are
// built: the file named by VARNEL_BENCH_DB (see summary_windows_bench.sh,
// which loads a generated 1,000,000-line day and builds every report): every
// report's summary window opening (open/NAME), and the largest, the latency
// summary, scrolled and saved. Runs offscreen; the windows paint into an
// offscreen surface.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollBar>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>

#include "SilentDialogs.h"
#include "catalogue/ReportCatalogue.h"
#include "summarywindows/SummaryWindow.h"

using namespace varnel;

namespace {

reports::ReportInputs inputsFor(reports::ReportKind kind) {
    reports::ReportInputs inputs;
    inputs.kind = kind;
    const char* path = std::getenv("VARNEL_BENCH_DB");
    inputs.connectionString = path ? QString::fromLocal8Bit(path) : QString();
    return inputs;
}

// Resident memory of the process in megabytes.
double residentMegabytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * 4096.0 / 1e6;
}

// Opening: read the table, fill the grid, show and paint the first screen.
void openSummary(benchmark::State& state, reports::ReportKind kind) {
    bench::SilentDialogs dialogs;
    const reports::ReportInputs inputs = inputsFor(kind);
    if (inputs.connectionString.isEmpty()) {
        state.SkipWithError("VARNEL_BENCH_DB names no working database");
        return;
    }
    double added = 0;
    std::size_t rows = 0;
    for (auto _ : state) {
        const double before = residentMegabytes();
        summarywindows::SummaryWindow window(inputs, {dialogs, {}, {}});
        window.formLoad();
        window.show();
        window.repaint();
        QApplication::processEvents();
        state.PauseTiming();
        // The first opening shows the growth; later ones reuse the freed memory.
        added = std::max(added, residentMegabytes() - before);
        rows = static_cast<std::size_t>(window.gridSummary().grid().rowCount());
        state.ResumeTiming();
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["MB_added"] = added;
}

// One iteration scrolls the latency grid one page down and paints it: the
// time of one frame while the user drags through the day.
void scrollLatency(benchmark::State& state) {
    bench::SilentDialogs dialogs;
    summarywindows::SummaryWindow window(inputsFor(reports::ReportKind::Latency), {dialogs, {}, {}});
    window.formLoad();
    window.show();
    QApplication::processEvents();
    QScrollBar* bar = window.gridSummary().verticalScrollBar();
    for (auto _ : state) {
        int next = bar->value() + bar->pageStep() * 37;
        if (next > bar->maximum()) next = 0;
        bar->setValue(next);
        window.gridSummary().viewport()->repaint();
    }
}

void saveLatency(benchmark::State& state) {
    bench::SilentDialogs dialogs;
    QTemporaryDir folder;
    dialogs.savePath = folder.filePath(QStringLiteral("latency.csv"));
    summarywindows::SummaryWindow window(inputsFor(reports::ReportKind::Latency), {dialogs, {}, {}});
    window.formLoad();
    for (auto _ : state) window.saveAsCsv();
}

void registerOpenings() {
    for (const catalogue::ReportEntry& entry : catalogue::reportCatalogue())
        benchmark::RegisterBenchmark((std::string("open/") + entry.commandLineName).c_str(),
                                     [kind = entry.kind](benchmark::State& state) { openSummary(state, kind); })
            ->Unit(benchmark::kMillisecond)
            ->Iterations(3);
}

}  // namespace

BENCHMARK(scrollLatency)->Unit(benchmark::kMillisecond);
BENCHMARK(saveLatency)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    registerOpenings();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
