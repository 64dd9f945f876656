// A report build's progress in the main window's panel: "Crunching
// database..." while the report's table is built, then the window's own
// caption while the chart takes its points. The build tells it from its
// threads at little cost: the counts go into atomic values, and only the
// beginning of a stage is handed to the user-interface thread, where a timer
// copies the counts into the bar while the build runs.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <array>
#include <atomic>
#include <optional>

#include "reports/ReportProgress.h"

namespace varnel::app {
class ProgressPanel;
}

namespace varnel::reportwindows {

class ReportProgressPanel : public QObject, public reports::ReportProgress {
    Q_OBJECT
public:
    // pointsCaption: the caption while the chart takes its points; empty
    // where the chart fills under the table's caption.
    ReportProgressPanel(app::ProgressPanel& panel, QString pointsCaption);

    // Any thread.
    void begin(Stage stage, int64_t size) override;
    void advance(Stage stage, int64_t done) override;

    // User-interface thread: shows every stage begun so far and the counts
    // told, at once.
    void showNow();

private:
    struct Counts {
        std::atomic<int64_t> size{0};
        std::atomic<int64_t> done{0};
    };

    void showStage(Stage stage);
    void showCount();
    Counts& counts(Stage stage) { return counts_[static_cast<std::size_t>(stage)]; }

    app::ProgressPanel& panel_;
    QString pointsCaption_;
    std::array<Counts, 2> counts_;
    std::optional<Stage> shown_;
    QTimer timer_;
};

}  // namespace varnel::reportwindows
