// Writes the report page for the main window's File > Save Report Page...:
// the main window gathers the load and the tabs' choices and hands them
// here; the report page side plugs in by implementing this.
#pragma once

#include <optional>
#include <vector>

#include "catalogue/ReportPage.h"
#include "platform/UserMessage.h"
#include "reports/ReportInputs.h"

namespace varnel::app {

class ProgressPanel;

class ReportPageSaver {
public:
    virtual ~ReportPageSaver() = default;
    // Builds the reports (in the order given) from the working database and
    // writes the page to path, whole or not at all, with progress in
    // progress. Returns the failure to show, or nothing when the page is written.
    virtual std::optional<platform::UserMessage> saveReportPage(const catalogue::ReportPageLoad& load,
                                                                const std::vector<reports::ReportInputs>& reports,
                                                                const QString& path, ProgressPanel& progress) = 0;
};

}  // namespace varnel::app
