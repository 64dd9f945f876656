// What sets the five summary windows apart: object names, caption, the names
// of the save item and the Help menu, separators and the minimum size.
#pragma once

#include "reports/ReportKind.h"

namespace varnel::summarywindows {

struct SummaryWindowKind {
    const char* windowName;    // frmPortAvailabilitySummary, ...
    int captionId;             // string id of the window caption
    const char* saveItemName;  // mnuSaveAsCSV or mnuSaveToCSV
    const char* helpMenuName;  // mnuHelpHeader, Help or mnuHelpMenu
    bool menuSeparators;       // a separator above Exit and above About
    int minimumWidthTwips;
    int minimumHeightTwips;
};

const SummaryWindowKind& summaryWindowKind(reports::ReportKind kind);

}  // namespace varnel::summarywindows
