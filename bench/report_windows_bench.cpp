// Times the report windows over a loaded working database: the file named by
// VARNEL_BENCH_DB (see report_windows_bench.sh, which loads a generated
// 1,000,000-line day). For each report of the catalogue: from Run Report to
// the drawn chart, with its table emptied before (open/NAME) and kept as the
// opening before left it (reopen/NAME); for each chart with a
// viewport the redraw of a zoom, a scroll step and the whole axis; the
// longest time the event loop went without a turn while a window opened, and
// the peak memory of the process. Runs offscreen; the windows paint into an
// offscreen surface.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QScrollBar>
#include <algorithm>
#include <cstdlib>
#include <string>

#include "EventLoopStalls.h"
#include "PeakMemory.h"
#include "SilentDialogs.h"
#include "SilentPrinters.h"
#include "catalogue/ReportCatalogue.h"
#include "charts/ChartControl.h"
#include "render/ReportViewCatalogue.h"
#include "reports/PerMinuteTable.h"
#include "reportwindows/ReportWindow.h"
#include "store/ReportDatabase.h"
#include "windowkit/ProgressPanel.h"

using namespace varnel;
using reports::ReportKind;

namespace {

QString databasePath() {
    const char* path = std::getenv("VARNEL_BENCH_DB");
    return path ? QString::fromLocal8Bit(path) : QString();
}

// What the main window hands over: the whole day over every node, with the
// per-minute extremes of the load (gathered here once by a scan, as the load
// itself would have).
struct BenchDay {
    BenchDay() {
        if (databasePath().isEmpty()) return;
        store::ReportDatabase db(databasePath());
        minutes = reports::scannedQueueExtremes(db, reports::scannedPortExtremes(db));
    }

    reports::ReportInputs inputs(ReportKind kind) const {
        reports::ReportInputs in;
        in.kind = kind;
        in.connectionString = databasePath();
        in.peakAvailableLines = 96;
        in.minutes = &minutes;
        return in;
    }

    ingest::MinuteExtremes minutes;
};

const BenchDay& benchDay() {
    static const BenchDay day;
    return day;
}

struct Harness {
    bench::SilentDialogs dialogs;
    bench::SilentPrinters printers;
    app::ProgressPanel progress;

    std::unique_ptr<reportwindows::ReportWindow> window(ReportKind kind) {
        auto made = std::make_unique<reportwindows::ReportWindow>(
            render::reportViews(kind).window, benchDay().inputs(kind),
            reportwindows::ReportWindowServices{dialogs, printers, {}, {}, {}});
        made->resize(1200, 800);
        return made;
    }
};

// Paints whatever the last change left to paint.
void drawNow(reportwindows::ReportWindow& window) {
    QApplication::processEvents();
    window.chart().repaint();
}

// Run Report to the drawn chart; the processor time counts both threads, the
// user-interface thread and the build. With freshTable, that table is emptied
// (untimed) before each opening, as after a new load.
void openWindow(benchmark::State& state, ReportKind kind, const char* freshTable) {
    if (databasePath().isEmpty()) {
        state.SkipWithError("VARNEL_BENCH_DB names no loaded working database");
        return;
    }
    benchDay();
    Harness harness;
    double stall = 0;
    double stallCpu = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (freshTable) {
            store::ReportDatabase db(databasePath());
            db.connection().exec(std::string("DELETE FROM ") + freshTable);
        }
        bench::StallWatch watch;
        state.ResumeTiming();

        watch.start();
        auto window = harness.window(kind);
        window->load(harness.progress);
        window->show();
        drawNow(*window);

        state.PauseTiming();
        watch.stop();
        stall = std::max(stall, watch.longestMilliseconds());
        stallCpu = std::max(stallCpu, watch.longestCpuMilliseconds());
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["longest_stall_ms"] = stall;
    state.counters["longest_stall_cpu_ms"] = stallCpu;
    state.counters["peak_MB"] = bench::peakMegabytes();
}

// One iteration moves the viewport one step and draws the chart: a zoom
// menu click (entries in turn) or a scroll bar step through the day.
enum class Move { Zoom, Scroll, WholeAxis };

void redraw(benchmark::State& state, ReportKind kind, Move move, int zoomEntry) {
    if (databasePath().isEmpty()) {
        state.SkipWithError("VARNEL_BENCH_DB names no loaded working database");
        return;
    }
    Harness harness;
    auto window = harness.window(kind);
    window->load(harness.progress);
    window->show();
    // Every series of the chart shown, the heaviest drawing.
    for (int k = 1; k <= window->chart().seriesCount(); ++k) window->chart().setSeriesVisible(k, true);
    window->zoom(zoomEntry);
    drawNow(*window);
    auto* bar = window->findChild<QScrollBar*>(QStringLiteral("ScrollBar"));
    int step = 0;
    for (auto _ : state) {
        ++step;
        switch (move) {
            case Move::Zoom:
                window->zoom(step % 4);
                break;
            case Move::Scroll: {
                int next = bar->value() + bar->pageStep() / 3;
                if (next > bar->maximum()) next = bar->minimum();
                bar->setValue(next);
                break;
            }
            case Move::WholeAxis:
                window->zoom(0);
                break;
        }
        drawNow(*window);
    }
    state.counters["peak_MB"] = bench::peakMegabytes();
}

// The benchmarks of every report in the catalogue.
void registerReportBenchmarks() {
    for (const catalogue::ReportEntry& entry : catalogue::reportCatalogue()) {
        const ReportKind kind = entry.kind;
        const std::string name = entry.commandLineName;
        // A report without a derived table (the daily trend) opens one way only.
        const std::vector<const char*> tables =
            entry.table ? std::vector<const char*>{entry.table, nullptr} : std::vector<const char*>{nullptr};
        for (const char* table : tables)
            benchmark::RegisterBenchmark(((table ? "open/" : "reopen/") + name).c_str(),
                                         [kind, table](benchmark::State& s) { openWindow(s, kind, table); })
                ->Unit(benchmark::kMillisecond)
                ->Iterations(3)
                ->MeasureProcessCPUTime();
        if (!render::reportViews(kind).window.viewport) continue;
        for (const auto& [move, what, entryFirst] :
             {std::tuple{Move::Zoom, "zoom/", 1}, std::tuple{Move::Scroll, "scroll/", 1},
              std::tuple{Move::WholeAxis, "whole/", 0}})
            // Copies of the bindings, which clang 14 cannot capture.
            benchmark::RegisterBenchmark((what + name).c_str(), [kind, move = move,
                                                                 entryFirst = entryFirst](benchmark::State& s) {
                redraw(s, kind, move, entryFirst);
            })->Unit(benchmark::kMillisecond);
    }
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    {
        // Fonts and styles are loaded once per process, before any timing.
        charts::ChartControl warmUp;
        warmUp.resize(400, 300);
        warmUp.show();
        QApplication::processEvents();
        warmUp.toImage();
    }
    registerReportBenchmarks();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
