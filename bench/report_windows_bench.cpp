// Times the report windows over a loaded working database: the file named by
// VARNEL_BENCH_DB (see report_windows_bench.sh, which loads a generated
// 1,000,000-line day). From Run Report to the drawn chart for each window
// (the per-minute ones with their table built afresh and reused), the
// redraw of a zoom or scroll, the longest time the event loop went without
// a turn while a window opened, and the peak memory of the process. Runs
// offscreen; the windows paint into an offscreen surface.
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
#include "charts/ChartControl.h"
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
        minutes = reports::scannedPortExtremes(db);
        queueMinutes = reports::scannedQueueExtremes(db);
    }

    reports::ReportInputs inputs(ReportKind kind) const {
        reports::ReportInputs in;
        in.kind = kind;
        in.connectionString = databasePath();
        in.peakAvailableLines = 96;
        if (kind == ReportKind::PortAvailability) in.minutes = &minutes;
        if (kind == ReportKind::QueueActivity) in.minutes = &queueMinutes;
        return in;
    }

    ingest::MinuteExtremes minutes;
    ingest::MinuteExtremes queueMinutes;
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
            reportwindows::reportWindowDesign(kind), benchDay().inputs(kind),
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
// user-interface thread and the build. With fresh, the report's table is emptied
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

void openPortAvailabilityFirst(benchmark::State& s) { openWindow(s, ReportKind::PortAvailability, "PortAvailability"); }
void openPortAvailabilityReused(benchmark::State& s) { openWindow(s, ReportKind::PortAvailability, nullptr); }
void openQueueActivityFirst(benchmark::State& s) { openWindow(s, ReportKind::QueueActivity, "MessageQueueActivity"); }
void openQueueActivityReused(benchmark::State& s) { openWindow(s, ReportKind::QueueActivity, nullptr); }
void openLatency(benchmark::State& s) { openWindow(s, ReportKind::Latency, nullptr); }
void openNodeTraffic(benchmark::State& s) { openWindow(s, ReportKind::NodeTraffic, nullptr); }
void openNodeErrors(benchmark::State& s) { openWindow(s, ReportKind::NodeErrors, nullptr); }

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

void zoomPortAvailability(benchmark::State& s) { redraw(s, ReportKind::PortAvailability, Move::Zoom, 1); }
void scrollPortAvailability(benchmark::State& s) { redraw(s, ReportKind::PortAvailability, Move::Scroll, 1); }
void zoomQueueActivity(benchmark::State& s) { redraw(s, ReportKind::QueueActivity, Move::Zoom, 1); }
void scrollQueueActivity(benchmark::State& s) { redraw(s, ReportKind::QueueActivity, Move::Scroll, 1); }
void latencyWholeAxis(benchmark::State& s) { redraw(s, ReportKind::Latency, Move::WholeAxis, 0); }
void scrollLatencyHalfDay(benchmark::State& s) { redraw(s, ReportKind::Latency, Move::Scroll, 1); }
void zoomLatency(benchmark::State& s) { redraw(s, ReportKind::Latency, Move::Zoom, 0); }

}  // namespace

BENCHMARK(openPortAvailabilityFirst)->Unit(benchmark::kMillisecond)->Iterations(5)->MeasureProcessCPUTime();
BENCHMARK(openPortAvailabilityReused)->Unit(benchmark::kMillisecond)->Iterations(5)->MeasureProcessCPUTime();
BENCHMARK(openQueueActivityFirst)->Unit(benchmark::kMillisecond)->Iterations(5)->MeasureProcessCPUTime();
BENCHMARK(openQueueActivityReused)->Unit(benchmark::kMillisecond)->Iterations(5)->MeasureProcessCPUTime();
BENCHMARK(openLatency)->Unit(benchmark::kMillisecond)->Iterations(3)->MeasureProcessCPUTime();
BENCHMARK(openNodeTraffic)->Unit(benchmark::kMillisecond)->Iterations(3)->MeasureProcessCPUTime();
BENCHMARK(openNodeErrors)->Unit(benchmark::kMillisecond)->Iterations(3)->MeasureProcessCPUTime();
BENCHMARK(zoomPortAvailability)->Unit(benchmark::kMillisecond);
BENCHMARK(scrollPortAvailability)->Unit(benchmark::kMillisecond);
BENCHMARK(zoomQueueActivity)->Unit(benchmark::kMillisecond);
BENCHMARK(scrollQueueActivity)->Unit(benchmark::kMillisecond);
BENCHMARK(latencyWholeAxis)->Unit(benchmark::kMillisecond);
BENCHMARK(scrollLatencyHalfDay)->Unit(benchmark::kMillisecond);
BENCHMARK(zoomLatency)->Unit(benchmark::kMillisecond);

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
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
