// The report catalogue: one entry per report with everything that sets it
// apart outside its own files (its names, its titles, the choices it takes,
// what it uses of a load's gathering) and its recipe (build, read, chart,
// summary). The windows, varnel-report and the report page take the list of
// reports and every per-report decision from here; the window side keeps a
// matching table of designs (render/ReportViewCatalogue.h).
#pragma once

#include <QIODevice>
#include <QList>
#include <QString>
#include <optional>
#include <span>

#include "platform/UserMessage.h"
#include "reports/BuiltReport.h"
#include "reports/ReportCharts.h"
#include "reports/ReportInputs.h"
#include "reports/ReportProgress.h"
#include "store/ReportDatabase.h"
#include "summaries/SummaryGrid.h"
#include "summaries/SummaryTable.h"

namespace varnel::catalogue {

// The choices a report takes from its tab or the command line.
enum class ReportChoices {
    WholeDay,       // always the whole day and every node
    RangeAndNodes,  // a time range and a node choice
};

// What a report uses of the rows a load gathered while it stored them,
// beyond the per-minute extremes every load keeps.
enum class LoadGathering {
    None,
    MessageEvents,  // every message event, for pairing
    NodeTallies,    // the cleared messages tallied per node
};

// What a build does besides building: the file that receives the unmatched
// events (reports that write one), the caller's use of the rows, handed on as
// soon as they are made, and the observer that hears how the table's build
// goes (from the building thread and a storing one).
struct BuildSide {
    QIODevice* unmatchedFile = nullptr;
    reports::RowsUser whileStoring;
    reports::ReportProgress* progress = nullptr;

    // Hands the built report to whileStoring and returns it.
    reports::BuiltReport handOn(reports::BuiltReport report) const {
        if (whileStoring) whileStoring(report);
        return report;
    }
};

// What writing a summary's CSV file content gave: whether every write
// worked, and what the summary has to say (e.g. that it holds no rows).
struct SummaryCsvWrite {
    bool written = false;
    platform::UserMessages messages;
};

struct ReportEntry {
    reports::ReportKind kind;
    const char* commandLineName;  // "port-availability"; also the report's anchor in the page
    // "PortAvailability": the default files PortAvailabilitySummary_5_12_2004.csv
    // and PortAvailabilityGraph_5_12_2004.BMP.
    const char* fileStem;
    const char* table;   // the derived table the build fills
    int titleId;         // string id of the report window's caption, the page's heading
    int summaryTitleId;  // string id of the summary window's caption, the page table's caption
    ReportChoices choices;
    LoadGathering gathering;
    // With debug on, the build writes the file of unmatched messages.
    bool writesUnmatchedFile;

    // Builds the derived table (or reuses it) and reads its rows, with what
    // the build has to say, handing them on through side. Throws
    // SQLite::Exception on database trouble.
    reports::BuiltReport (*build)(store::ReportDatabase& db, const reports::ReportInputs& inputs,
                                  const BuildSide& side);
    // The rows of the derived table as built before, building nothing.
    reports::ReportRows (*read)(store::ReportDatabase& db);
    // The chart: header, axis titles, series and labels.
    reports::ReportChart (*chart)(const reports::BuiltReport& report, const reports::ReportInputs& inputs);
    // The summary window's grid, with what the summary has to say.
    summaries::SummaryGrid (*summaryGrid)(const reports::BuiltReport& report);
    // The summary's cells as its CSV file holds them; a long table its first
    // rowLimit rows.
    summaries::SummaryTable (*summaryTable)(const reports::BuiltReport& report, qsizetype rowLimit);
    // Writes the summary's CSV file content.
    SummaryCsvWrite (*writeSummaryCsv)(const reports::BuiltReport& report, QIODevice& out);

    bool takesRange() const { return choices == ReportChoices::RangeAndNodes; }
};

// Every report, in the order of the main window's tabs, of --report all and
// of the report page.
std::span<const ReportEntry> reportCatalogue();

// The entry of a kind; every kind has one.
const ReportEntry& reportEntry(reports::ReportKind kind);

// Every kind, in catalogue order.
QList<reports::ReportKind> allReportKinds();

QString commandLineName(reports::ReportKind kind);
std::optional<reports::ReportKind> reportKindFromCommandLineName(const QString& name);

}  // namespace varnel::catalogue
