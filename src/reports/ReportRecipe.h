// One recipe per report, shared by the report windows and varnel-report so
// that the two never draw different figures: build (or reuse) the report's
// derived table, read its rows back, and turn the rows into chart data.
#pragma once

#include <QIODevice>
#include <functional>
#include <optional>
#include <variant>
#include <vector>

#include "platform/UserMessage.h"
#include "platform/WholeFileWriter.h"
#include "reports/LatencyTable.h"
#include "reports/NodeTrafficTable.h"
#include "reports/PortAvailabilityTable.h"
#include "reports/QueueActivityTable.h"
#include "reports/ReportCharts.h"
#include "reports/ReportInputs.h"
#include "reports/ReportProgress.h"
#include "store/ReportDatabase.h"

namespace varnel::reports {

// The rows of the report's derived table as its chart and summary read them:
// the minute rows, the outbound latency rows, or the node rows.
using ReportRows =
    std::variant<std::vector<PortMinute>, std::vector<QueueMinute>, LatencyRows, std::vector<NodeTrafficRow>>;

struct BuiltReport {
    ReportKind kind = ReportKind::PortAvailability;
    ReportRows rows;

    // Number of chart positions (minutes, outbound messages or nodes).
    std::size_t size() const;
};

// A report of the kind without rows, as a failed build leaves it: its chart
// still carries the header and titles.
BuiltReport emptyReport(ReportKind kind);

// What the caller does with a report's rows while its table is stored.
using RowsUser = std::function<void(const BuiltReport& report)>;

// Builds the derived table of inputs.kind (the per-minute tables only when
// they are not built yet) and reads its rows. The report's own messages go to
// messages; unmatchedFile, when given, receives the latency report's
// unmatched events. whileStoring, when given, gets the rows on the calling
// thread: the latency rows as soon as they are paired, while another thread
// stores the table, and the other reports' rows once they are built. The
// latency table is left to inputs.latencyTable when it is given.
// progress, when given, hears how the table's build goes (from this thread
// and the storing one). Throws SQLite::Exception on database trouble.
BuiltReport buildReport(store::ReportDatabase& db, const ReportInputs& inputs, platform::MessageSink& messages,
                        QIODevice* unmatchedFile = nullptr, const RowsUser& whileStoring = {},
                        ReportProgress* progress = nullptr);

struct ReportWithUnmatchedFile {
    BuiltReport report;
    std::optional<platform::WriteFailure> unmatchedFileFailure;
};

// buildReport with the latency report's unmatched events written whole to
// the file at unmatchedPath. A file that cannot be made or written never
// stops the report: it is built all the same, and the file's failure is
// returned beside it.
ReportWithUnmatchedFile buildReportWithUnmatchedFile(store::ReportDatabase& db, const ReportInputs& inputs,
                                                     platform::MessageSink& messages, const QString& unmatchedPath,
                                                     const RowsUser& whileStoring = {},
                                                     ReportProgress* progress = nullptr);

// Reads the rows of a derived table that is already built, as the summary
// windows show them again, without building anything.
BuiltReport readReport(store::ReportDatabase& db, ReportKind kind);

// The chart of a built report: header, axis titles, series and labels.
ReportChart reportChart(const BuiltReport& report, const ReportInputs& inputs);

}  // namespace varnel::reports
