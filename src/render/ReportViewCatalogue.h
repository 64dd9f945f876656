// The window side of the report catalogue: for each report of
// catalogue/ReportCatalogue.h, in the same order, its report window's
// design, its summary window's kind and its tab on the main window.
#pragma once

#include <span>

#include "render/ReportTabDesign.h"
#include "render/ReportWindowDesign.h"
#include "render/SummaryWindowKind.h"
#include "reports/ReportKind.h"

namespace varnel::render {

struct ReportViewEntry {
    reports::ReportKind kind;
    reportwindows::ReportWindowDesign window;
    summarywindows::SummaryWindowKind summary;
    ReportTabDesign tab;
};

// Every report's views, in the order of the report catalogue.
std::span<const ReportViewEntry> reportViewCatalogue();

// The views of a kind; every kind has them.
const ReportViewEntry& reportViews(reports::ReportKind kind);

}  // namespace varnel::render
