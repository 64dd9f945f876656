// One run of a report, the same for the windows, the report page and
// varnel-report: what the loaded session gives every report and the tab's or
// the command line's choices make the report's inputs; the run builds it
// through its recipe and, with debug on, writes the unmatched-message file.
#pragma once

#include <QDir>
#include <memory>
#include <optional>

#include "catalogue/ReportRecipe.h"
#include "ingest/IngestState.h"
#include "platform/WholeFileWriter.h"
#include "reports/LatencyPairing.h"
#include "reports/LatencyTableStore.h"
#include "reports/NodeTallies.h"
#include "reports/PreparedLatency.h"
#include "reports/ReportInputs.h"

namespace varnel::catalogue {

// What a whole load leaves for every report of it.
struct LoadedSession {
    QString databasePath;  // the working database
    // The parser's report date, peak available lines and per-minute
    // extremes; the extremes match the working database's raw rows.
    const ingest::IngestState* ingest = nullptr;
    // What the load gathered while it stored its rows; null when not at hand.
    std::shared_ptr<const reports::MessageEvents> messageEvents;
    std::shared_ptr<const reports::NodeTallies> nodeTallies;
    std::shared_ptr<reports::PreparedLatency> preparedLatency;
    // Where the latency table is stored in the background, which every
    // report keeps out of its way; null: each report stores its own table.
    std::shared_ptr<reports::LatencyTableStore> latencyTable;
    bool debug = false;  // write the unmatched-message file of reports that write one
    std::shared_ptr<const trend::DailyTrend> dailyTrend = nullptr;
};

// The inputs of a report of kind over the loaded session: the range and node
// choice when the report takes them (else the whole day), and of the load's
// gathering what the report uses.
reports::ReportInputs reportInputs(const LoadedSession& session, reports::ReportKind kind,
                                   const reports::RangeRequest& range);

struct ReportRun {
    reports::BuiltReport report;
    // Why the unmatched-message file could not be written, when it could not.
    std::optional<platform::WriteFailure> unmatchedFileFailure;
};

// Builds the report of inputs (see buildReport). With inputs.debug on, a
// report that writes an unmatched-message file writes it into debugFolder;
// the file's failure does not stop the report. progress, when given, hears
// how the table's build goes.
ReportRun runReport(store::ReportDatabase& db, const reports::ReportInputs& inputs, const QDir& debugFolder,
                    const reports::RowsUser& whileStoring = {}, reports::ReportProgress* progress = nullptr);

}  // namespace varnel::catalogue
