// Times the node lists and one node traffic report over a day naming a
// million distinct serial numbers on each side (a damaged log can name that
// many "nodes"), with 21,000 of them selected: 10,500 on each side, and then
// 21,000 on each side. Runs offscreen, through the
// real main window: the load fills its six lists, the selection is made in
// two of them, and Run Report hands it to a launcher that builds the
// NodeTraffic table as the report window does.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QEventLoop>
#include <QFile>
#include <QItemSelection>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>

#include "SilentDialogs.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/NodeListView.h"
#include "reports/NodeTrafficTable.h"
#include "session/AppSession.h"
#include "windowkit/ReportLauncher.h"

using namespace varnel;

namespace {

constexpr int nodes = 1000000;

// Builds the node traffic table from what Run Report hands over.
class BuildingLauncher : public app::ReportLauncher {
public:
    void openReport(const reports::ReportInputs& inputs, QWidget&, app::ProgressPanel&) override {
        store::ReportDatabase db(inputs.connectionString);
        db.useFastRebuilds();
        counted = reports::buildNodeTraffic(db, inputs.range, reports::NodeCount::DeliveredMessages).counted;
        rows = db.rowCount("NodeTraffic");
    }
    int64_t counted = 0;
    int64_t rows = 0;
};

// Message i goes from Veyra node 1000000 + i to Keldan node 5000000 + i; the
// day comes in two files, as a log file holds at most 1,000,000 lines.
void writeLog(const QString& path, int first, int last) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("5/12/2004 7:00:00,INCOMING,1,20,2\r\n");
    QByteArray lines;
    for (int i = first; i < last; ++i) {
        lines += "5/12/2004 9:00:00,CLEARED OUTGOING MESSAGE," + QByteArray::number(1000000 + i) + ',' +
                 QByteArray::number(5000000 + i) + ",{M" + QByteArray::number(i) + "},OK,1000000,1,100\r\n";
        if (lines.size() > (1 << 20)) {
            file.write(lines);
            lines.clear();
        }
    }
    file.write(lines);
}

// The main window after a load of the million-node day.
class LoadedWindow {
public:
    LoadedWindow() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
        const QDir logs(logs_.path());
        writeLog(logs.filePath(QStringLiteral("CallLog_20040512a.log")), 0, nodes / 2);
        writeLog(logs.filePath(QStringLiteral("CallLog_20040512b.log")), nodes / 2, nodes);
        session_ = std::make_unique<app::AppSession>(store::DataFiles(data_.path()));
        window_ = std::make_unique<app::MainWindow>(*session_, app::MainWindowServices{dialogs_, [] {}, &launcher});
        app::RunOptions options;
        options.logFolder = logs_.path();
        window_->formLoad(options);
        window_->show();
        control<QListWidget>("listReportDate")->item(0)->setSelected(true);
        load();
    }

    // Load Data, up to the filled lists and the load's summary.
    void load() {
        QEventLoop ended;
        QObject::connect(window_.get(), &app::MainWindow::loadEnded, &ended, &QEventLoop::quit);
        control<QPushButton>("cmdParseLogs")->click();
        ended.exec();
        QApplication::processEvents();
    }

    template <typename Control>
    Control* control(const char* name) const {
        return window_->findChild<Control*>(QString::fromLatin1(name));
    }

    BuildingLauncher launcher;

private:
    QTemporaryDir settings_;
    QTemporaryDir logs_;
    QTemporaryDir data_;
    bench::SilentDialogs dialogs_;
    std::unique_ptr<app::AppSession> session_;
    std::unique_ptr<app::MainWindow> window_;
};

// Made at first use, destroyed before the application object.
std::unique_ptr<LoadedWindow> sharedWindow;

LoadedWindow& loadedWindow() {
    if (!sharedWindow) sharedWindow = std::make_unique<LoadedWindow>();
    return *sharedWindow;
}

// Selects count separate rows spread over the list, as Ctrl-clicks would.
void selectSpread(QListView& list, int count) {
    list.clearSelection();
    QItemSelection rows;
    for (int i = 0; i < count; ++i) {
        const QModelIndex index = list.model()->index(i * (nodes / count), 0);
        rows.select(index, index);
    }
    list.selectionModel()->select(rows, QItemSelectionModel::Select);
}

// Load Data of the day again: parsing its two files, then filling the six
// lists.
void loadDay(benchmark::State& state) {
    LoadedWindow& window = loadedWindow();
    for (auto _ : state) window.load();
    state.counters["entries"] = window.control<QListView>("listNodeTrafficVeyraNodes")->model()->rowCount();
}

// Filling and showing one list with the million entries.
void fillOneList(benchmark::State& state) {
    QStringList entries;
    for (int i = 0; i < nodes; ++i) entries << QString::number(1000000 + i);
    app::NodeListView list;
    list.show();
    for (auto _ : state) {
        list.clear();
        list.setEntries(entries);
        list.repaint();
        QApplication::processEvents();
    }
}

// Run Report of the node traffic tab with state.range(0) nodes selected on
// each side: reading the selection, the checks, and building the NodeTraffic
// table.
void nodeTrafficReport(benchmark::State& state) {
    LoadedWindow& window = loadedWindow();
    window.control<QCheckBox>("chkNodeTrafficLimitNodes")->setChecked(true);
    const int perSide = static_cast<int>(state.range(0));
    selectSpread(*window.control<QListView>("listNodeTrafficVeyraNodes"), perSide);
    selectSpread(*window.control<QListView>("listNodeTrafficKeldanNodes"), perSide);
    for (auto _ : state) window.control<QPushButton>("cmdNodeTraffic")->click();
    state.counters["rows"] = static_cast<double>(window.launcher.rows);
    state.counters["counted"] = static_cast<double>(window.launcher.counted);
}

}  // namespace

BENCHMARK(loadDay)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(fillOneList)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(nodeTrafficReport)->Unit(benchmark::kMillisecond)->MinTime(2.0)->Arg(10500)->Arg(21000);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    sharedWindow.reset();
    return 0;
}
