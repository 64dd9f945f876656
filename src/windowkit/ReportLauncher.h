// Opens a report window. The main window checks a report's inputs and then
// hands them here; the report windows plug in by implementing this.
#pragma once

#include "reports/ReportInputs.h"

class QWidget;

namespace varnel::app {

class ProgressPanel;

class ReportLauncher {
public:
    virtual ~ReportLauncher() = default;
    // Opens the report's window modally over owner (placed at its position)
    // and returns when it is closed. Long work shows in progress.
    virtual void openReport(const reports::ReportInputs& inputs, QWidget& owner, ProgressPanel& progress) = 0;
};

}  // namespace varnel::app
