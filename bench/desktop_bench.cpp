// The desktop program end to end over a log folder, offscreen, as a user
// runs it: the real main window with the real report windows opens on the
// folder, every day is selected and Load Data clicked; then each Run Report
// button opens its window, which is closed as soon as its chart is drawn.
// Prints one "name value" line per figure (bench/desktop_bench.sh judges
// them): the lines loaded; for the load its time, what the progress bar
// showed and the longest stall of the event loop; for each window the time
// from the click to the drawn chart, the values its build's progress bar
// showed and the longest stall meanwhile; the peak memory of each stretch
// and of the whole run.
// Usage: desktop_bench LOGS WORK, WORK an empty scratch folder for the
// settings and the working database.
#include <time.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "DrawnChartCloser.h"
#include "EventLoopStalls.h"
#include "PeakMemory.h"
#include "ProgressBarWatch.h"
#include "SilentDialogs.h"
#include "SilentPrinters.h"
#include "catalogue/ReportCatalogue.h"
#include "ingest/DayList.h"
#include "mainwindow/MainWindow.h"
#include "render/ReportViewCatalogue.h"
#include "reportwindows/ReportWindowLauncher.h"
#include "session/AppSession.h"

using namespace varnel;

namespace {

// How often the event loop is looked at for turns.
constexpr int stallIntervalMs = 10;
// A step that takes longer than this has hung; the run ends.
constexpr int hungAfterSeconds = 900;

// A report's Run Report button and the name its figures go by: the
// report's command line name with underscores.
struct ReportButton {
    const char* button;
    std::string figure;
};

std::vector<ReportButton> reportButtons() {
    std::vector<ReportButton> buttons;
    for (const render::ReportViewEntry& views : render::reportViewCatalogue()) {
        std::string figure = catalogue::reportEntry(views.kind).commandLineName;
        std::replace(figure.begin(), figure.end(), '-', '_');
        buttons.push_back({views.tab.runReport.name, figure});
    }
    return buttons;
}

void figure(const std::string& name, double value) { std::printf("%s %.3f\n", name.c_str(), value); }

// The processor time of every thread of the process, in milliseconds.
double processCpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The longest stalls on the clock and in the user-interface thread's
// processor time, each with when it ended (from the click), to tell where
// in the work it fell.
void stallFigures(const std::string& name, const bench::StallWatch& stalls) {
    figure(name + "_longest_stall_ms", stalls.longestMilliseconds());
    figure(name + "_longest_stall_ended_at_s", stalls.longestEndedAtMilliseconds() / 1e3);
    figure(name + "_longest_stall_cpu_ms", stalls.longestCpuMilliseconds());
    figure(name + "_longest_stall_cpu_ended_at_s", stalls.longestCpuEndedAtMilliseconds() / 1e3);
}

// The lines of every log file of every day of the folder, as the load reads them.
long long linesOfFolder(const QString& folder) {
    long long lines = 0;
    for (const QDate& day : ingest::logDays(folder))
        for (const QString& path : ingest::logFilesOfDay(folder, day)) {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly)) continue;
            char last = '\n';
            while (!file.atEnd()) {
                const QByteArray block = file.read(1 << 20);
                lines += std::count(block.begin(), block.end(), '\n');
                if (!block.isEmpty()) last = block.back();
            }
            if (last != '\n') ++lines;
        }
    return lines;
}

// Ends the run with a message when a step does not end in time, so that a
// hung window never keeps the benchmark waiting.
class Watchdog {
public:
    Watchdog() {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            std::fprintf(stderr, "desktop_bench: %s did not end within %d s\n", step_.c_str(), hungAfterSeconds);
            std::fflush(stdout);
            std::_Exit(1);
        });
    }
    void watch(std::string step) {
        step_ = std::move(step);
        timer_.start(hungAfterSeconds * 1000);
    }

private:
    QTimer timer_;
    std::string step_;
};

template <typename Control>
Control& control(const QWidget& window, const char* name) {
    auto* found = window.findChild<Control*>(QString::fromLatin1(name));
    if (!found) {
        std::fprintf(stderr, "desktop_bench: the main window has no %s\n", name);
        std::exit(1);
    }
    return *found;
}

// Selects every day and clicks Load Data; true when the load made the
// reports available.
bool measureLoad(app::MainWindow& window, bench::PeakMemory& peaks) {
    auto& days = control<QListWidget>(window, "listReportDate");
    for (int row = 0; row < days.count(); ++row) days.item(row)->setSelected(true);
    bench::ProgressBarWatch progress(control<QProgressBar>(window, "ProgressBar"));
    bench::StallWatch stalls(stallIntervalMs);
    QEventLoop untilEnded;
    QElapsedTimer clock;
    double loadMs = 0;
    double cpuMs = 0;
    QObject::connect(&window, &app::MainWindow::loadEnded, &untilEnded, [&] {
        loadMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        cpuMs += processCpuMilliseconds();
        untilEnded.quit();
    });

    peaks.startStretch();
    stalls.start();
    cpuMs = -processCpuMilliseconds();
    clock.start();
    control<QPushButton>(window, "cmdParseLogs").click();
    if (window.loading()) untilEnded.exec();
    stalls.stop();

    figure("days", days.count());
    figure("load_s", loadMs / 1e3);
    figure("load_cpu_s", cpuMs / 1e3);
    figure("load_progress_changes", static_cast<double>(progress.changes()));
    figure("load_progress_values", static_cast<double>(progress.distinctValues()));
    figure("load_progress_repaints", static_cast<double>(progress.paints()));
    figure("load_loop_turns", static_cast<double>(stalls.turns()));
    stallFigures("load", stalls);
    figure("load_peak_MB", peaks.stretchMegabytes());
    return control<QPushButton>(window, reportButtons().front().button).isEnabled();
}

// Clicks the button and waits for its modal window to be closed after its
// chart was drawn; the figures stop at the drawn chart.
void measureWindow(app::MainWindow& window, const ReportButton& report, bench::PeakMemory& peaks) {
    bench::DrawnChartCloser closer;
    bench::ProgressBarWatch progress(control<QProgressBar>(window, "ProgressBar"));
    bench::StallWatch stalls(stallIntervalMs);
    QElapsedTimer clock;
    std::optional<double> drawnMs;
    double cpuMs = 0;
    closer.arm([&] {
        drawnMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        cpuMs += processCpuMilliseconds();
        stalls.stop();
    });
    peaks.startStretch();
    stalls.start();
    cpuMs = -processCpuMilliseconds();
    clock.start();
    control<QPushButton>(window, report.button).click();
    if (!drawnMs) stalls.stop();

    const std::string name = report.figure;
    // A window that drew no chart counts as never done.
    figure(name + "_drawn_s", drawnMs ? *drawnMs / 1e3 : -1);
    figure(name + "_drawn_cpu_s", drawnMs ? cpuMs / 1e3 : -1);
    figure(name + "_progress_values", static_cast<double>(progress.distinctValues()));
    stallFigures(name, stalls);
    figure(name + "_peak_MB", peaks.stretchMegabytes());
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: desktop_bench LOGS WORK\n");
        return 2;
    }
    const QString logs = QString::fromLocal8Bit(argv[1]);
    const QDir work(QString::fromLocal8Bit(argv[2]));
    // Settings of this run only: the user's stored log folder is neither
    // read nor changed.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, work.filePath(QStringLiteral("settings")));

    // Counted first: the reading also brings the logs into the file cache,
    // as for the command line's benchmarks.
    figure("lines_loaded", static_cast<double>(linesOfFolder(logs)));

    // As the program's main() wires it, without the help, About, summary and
    // update services, which the measured steps never use, and at the normal
    // process priority, so that other work on the machine weighs less.
    bench::SilentDialogs dialogs;
    bench::SilentPrinters printers;
    reportwindows::ReportWindowLauncher reportWindows({dialogs, printers, {}, {}, {}});
    app::AppSession session(store::DataFiles(work.filePath(QStringLiteral("data"))));
    bool exited = false;
    app::MainWindow window(session, {dialogs, [&exited] { exited = true; }, &reportWindows});
    app::RunOptions options;
    options.logFolder = logs;
    window.formLoad(options);
    window.show();
    QApplication::processEvents();

    bench::PeakMemory peaks;
    Watchdog watchdog;
    watchdog.watch("the load");
    if (!measureLoad(window, peaks) || exited) {
        std::fprintf(stderr, "desktop_bench: the load of %s made no reports available\n", argv[1]);
        return 1;
    }
    // What the load's end left to paint is painted before the first click.
    QApplication::processEvents();

    for (const ReportButton& report : reportButtons()) {
        watchdog.watch(report.figure);
        measureWindow(window, report, peaks);
        QApplication::processEvents();
    }
    figure("peak_MB", peaks.wholeRunMegabytes());
    if (!peaks.stretchesAreSeparate())
        std::fprintf(stderr, "desktop_bench: the peak cannot be reset; each peak is the run's peak so far\n");
    return 0;
}
