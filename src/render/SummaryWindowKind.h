// What sets the summary windows apart: object names, the names of the save
// item and the Help menu, separators, the minimum size and how the grid is
// filled (the caption is the report's summary title in the report
// catalogue). Each report's kind stands in the window-side catalogue,
// render/ReportViewCatalogue.h.
#pragma once

namespace varnel::summarywindows {

// How the grid shows the summary.
enum class SummaryFill {
    CellTexts,         // the summary's grid, every cell text made at once
    BoundLatencyRows,  // the latency rows as read, made text only for the cells on screen
};

struct SummaryWindowKind {
    const char* windowName;    // frmPortAvailabilitySummary, ...
    const char* saveItemName;  // mnuSaveAsCSV or mnuSaveToCSV
    const char* helpMenuName;  // mnuHelpHeader, Help or mnuHelpMenu
    bool menuSeparators;       // a separator above Exit and above About
    int minimumWidthTwips;
    int minimumHeightTwips;
    SummaryFill fill = SummaryFill::CellTexts;
};

}  // namespace varnel::summarywindows
