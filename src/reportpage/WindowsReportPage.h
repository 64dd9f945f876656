// The desktop program's Save Report Page: builds the chosen reports off the
// user-interface thread, then draws their charts and writes the page, with
// progress in the main window's panel and the window system kept painting.
#pragma once

#include "windowkit/ReportPageSaver.h"

namespace varnel::reportpage {

class WindowsReportPage : public app::ReportPageSaver {
public:
    std::optional<platform::UserMessage> saveReportPage(const catalogue::ReportPageLoad& load,
                                                        const std::vector<reports::ReportInputs>& reports,
                                                        const QString& path, app::ProgressPanel& progress) override;
};

}  // namespace varnel::reportpage
