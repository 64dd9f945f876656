// How far a report's long work has come, told while it runs: the report
// window fills the main window's progress bar from it; the command line tool
// passes none. The work tells it from the threads that do it, every so many
// rows rather than at every row, so an implementation takes calls from any
// thread and keeps each one cheap.
#pragma once

#include <cstdint>

namespace varnel::reports {

class ReportProgress {
public:
    enum class Stage {
        BuildingTable,  // the derived table is built: its minutes, or the rows walked
        LoadingPoints,  // the chart takes its points
    };

    virtual ~ReportProgress() = default;
    // A stage of size steps begins; a per-minute table that is reused has none.
    virtual void begin(Stage stage, int64_t size) = 0;
    // done steps of the stage are complete (never more than its size).
    virtual void advance(Stage stage, int64_t done) = 0;
};

// One stage of the work: begun when made, its steps passed on once at least
// `every` more are done and at the last one. Without a receiver nothing is
// told.
class StageSteps {
public:
    StageSteps(ReportProgress* progress, ReportProgress::Stage stage, int64_t size, int64_t every)
        : progress_(progress), stage_(stage), size_(size), every_(every) {
        if (progress_) progress_->begin(stage_, size_);
    }

    void done(int64_t steps) {
        if (!progress_ || steps <= told_ || (steps - told_ < every_ && steps < size_)) return;
        told_ = steps;
        progress_->advance(stage_, steps);
    }
    void finish() { done(size_); }

private:
    ReportProgress* progress_;
    ReportProgress::Stage stage_;
    int64_t size_;
    int64_t every_;
    int64_t told_ = 0;
};

}  // namespace varnel::reports
