// Times the report windows over a loaded working database: the file named by
// VARNEL_BENCH_DB (see report_windows_bench.sh, which loads a generated
// 1,000,000-line day). From Run Report to the drawn chart for each window
// (the per-minute ones with their table built afresh and reused), the
// redraw of a zoom or scroll, the longest time the event loop went without
// a turn while a window opened, and the peak memory of the process. Runs
// offscreen; the windows paint into an offscreen surface.
#include <benchmark/benchmark.h>
#include <time.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>

#include "SilentDialogs.h"
#include "app/ProgressPanel.h"
#include "charts/ChartControl.h"
#include "reports/PerMinuteTable.h"
#include "reportwindows/PrinterChooser.h"
#include "reportwindows/ReportWindow.h"
#include "store/ReportDatabase.h"

using namespace varnel;
using reports::ReportKind;

namespace {

class NoPrinter : public reportwindows::PrinterChooser {
public:
    bool choosePrinter(QPrinter&, QWidget*) override { return false; }
};

QString databasePath() {
    const char* path = std::getenv("VARNEL_BENCH_DB");
    return path ? QString::fromLocal8Bit(path) : QString();
}

// The peak resident memory of the process so far, in megabytes.
double peakMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word)
        if (word == "VmHWM:") {
            double kilobytes = 0;
            status >> kilobytes;
            return kilobytes / 1024.0;
        }
    return 0;
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
    NoPrinter printers;
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

// The processor time this thread has used, in milliseconds.
double threadCpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Records the longest time between two turns of the event loop: on the
// clock, and in processor time of the user-interface thread (what the stall
// would be on an otherwise idle machine; a busy one adds its waits).
class StallWatch {
public:
    StallWatch() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
    }
    void start() {
        clock_.start();
        last_ = 0;
        lastCpu_ = threadCpuMilliseconds();
        timer_.start();
    }
    // The longest gaps, the last one up to now included.
    void stop() {
        tick();
        timer_.stop();
    }
    double longestMilliseconds() const { return longest_; }
    double longestCpuMilliseconds() const { return longestCpu_; }

private:
    void tick() {
        const qint64 now = clock_.nsecsElapsed();
        const double cpu = threadCpuMilliseconds();
        longest_ = std::max(longest_, static_cast<double>(now - last_) / 1e6);
        longestCpu_ = std::max(longestCpu_, cpu - lastCpu_);
        last_ = now;
        lastCpu_ = cpu;
    }
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 last_ = 0;
    double lastCpu_ = 0;
    double longest_ = 0;
    double longestCpu_ = 0;
};

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
        StallWatch watch;
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
    state.counters["peak_MB"] = peakMegabytes();
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
    state.counters["peak_MB"] = peakMegabytes();
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
