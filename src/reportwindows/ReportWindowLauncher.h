// Opens the report windows for the main window's Run Report buttons: each
// launch makes a fresh window at the main window's position, loads it (the
// build runs off the user-interface thread with progress in the main
// window's panel), shows it modally and discards it when it is closed.
#pragma once

#include "reportwindows/ReportWindow.h"
#include "windowkit/ReportLauncher.h"

namespace varnel::reportwindows {

class ReportWindowLauncher : public app::ReportLauncher {
public:
    explicit ReportWindowLauncher(ReportWindowServices services) : services_(std::move(services)) {}

    void openReport(const reports::ReportInputs& inputs, QWidget& owner, app::ProgressPanel& progress) override;

private:
    ReportWindowServices services_;
};

}  // namespace varnel::reportwindows
