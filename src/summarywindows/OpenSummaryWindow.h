// Opens the summary window of a report over its report window.
#pragma once

#include <functional>

#include "reports/ReportInputs.h"
#include "windowkit/UserDialogs.h"

class QWidget;

namespace varnel::summarywindows {

struct SummaryWindowServices {
    platform::UserDialogs& dialogs;
    std::function<void(QWidget&)> showHelp;   // may be empty: the Help item is then disabled
    std::function<void(QWidget&)> showAbout;  // may be empty: the About item is then disabled
};

// Opens the summary of inputs.kind modally over owner, reading the derived
// table from the working database inputs.connectionString.
void openSummaryWindow(const reports::ReportInputs& inputs, QWidget& owner, const SummaryWindowServices& services);

}  // namespace varnel::summarywindows
