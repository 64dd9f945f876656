#include "reportwindows/ReportProgressPanel.h"

#include <QCoreApplication>
#include <QEvent>
#include <algorithm>

#include "shell/StringTable.h"
#include "windowkit/ProgressPanel.h"

namespace varnel::reportwindows {

namespace {

// The bar moves at least this often while a stage runs.
constexpr int showIntervalMs = 25;

}  // namespace

ReportProgressPanel::ReportProgressPanel(app::ProgressPanel& panel, QString pointsCaption)
    : panel_(panel), pointsCaption_(std::move(pointsCaption)) {
    timer_.setInterval(showIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &ReportProgressPanel::showCount);
    timer_.start();
}

void ReportProgressPanel::begin(Stage stage, int64_t size) {
    Counts& stageCounts = counts(stage);
    stageCounts.done.store(0, std::memory_order_relaxed);
    stageCounts.size.store(size, std::memory_order_relaxed);
    QMetaObject::invokeMethod(
        this, [this, stage] { showStage(stage); }, Qt::QueuedConnection);
}

void ReportProgressPanel::advance(Stage stage, int64_t done) {
    counts(stage).done.store(done, std::memory_order_relaxed);
}

void ReportProgressPanel::showNow() {
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    showCount();
}

void ReportProgressPanel::showStage(Stage stage) {
    if (stage == Stage::LoadingPoints && pointsCaption_.isEmpty()) return;
    // The stage before ends with the count it reached.
    showCount();
    shown_ = stage;
    // A stage without steps has nothing left to do: its bar shows full
    // rather than as a busy indicator.
    panel_.begin(stage == Stage::BuildingTable ? shell::myLoadResString(13) : pointsCaption_,
                 std::max<int64_t>(counts(stage).size.load(std::memory_order_relaxed), 1));
    showCount();
    // The work that follows keeps the event loop busy: shown at once.
    panel_.repaint();
}

void ReportProgressPanel::showCount() {
    if (!shown_) return;
    const Counts& stageCounts = counts(*shown_);
    const int64_t size = stageCounts.size.load(std::memory_order_relaxed);
    panel_.setProgress(size > 0 ? stageCounts.done.load(std::memory_order_relaxed) : 1);
}

}  // namespace varnel::reportwindows
