// One recipe per report, shared by the report windows, the summary windows,
// the report page and varnel-report so that they never show different
// figures: build (or reuse) the report's derived table and read its rows,
// read them again later, turn them into chart data and into the summary.
// Each call goes to the report's catalogue entry.
#pragma once

#include <QIODevice>
#include <optional>

#include "catalogue/ReportCatalogue.h"
#include "platform/UserMessage.h"
#include "platform/WholeFileWriter.h"

namespace varnel::catalogue {

// Builds the derived table of inputs.kind (the per-minute tables only when
// they are not built yet) and reads its rows. The report's own messages go to
// messages; unmatchedFile, when given, receives the latency report's
// unmatched events. whileStoring, when given, gets the rows on the calling
// thread: the latency rows as soon as they are paired, while another thread
// stores the table, and the other reports' rows once they are built.
// progress, when given, hears how the table's build goes (from this thread
// and the storing one). Throws SQLite::Exception on database trouble.
reports::BuiltReport buildReport(store::ReportDatabase& db, const reports::ReportInputs& inputs,
                                 platform::MessageSink& messages, QIODevice* unmatchedFile = nullptr,
                                 const reports::RowsUser& whileStoring = {},
                                 reports::ReportProgress* progress = nullptr);

struct ReportWithUnmatchedFile {
    reports::BuiltReport report;
    std::optional<platform::WriteFailure> unmatchedFileFailure;
};

// buildReport with the latency report's unmatched events written whole to
// the file at unmatchedPath. A file that cannot be made or written never
// stops the report: it is built all the same, and the file's failure is
// returned beside it.
ReportWithUnmatchedFile buildReportWithUnmatchedFile(store::ReportDatabase& db, const reports::ReportInputs& inputs,
                                                     platform::MessageSink& messages, const QString& unmatchedPath,
                                                     const reports::RowsUser& whileStoring = {},
                                                     reports::ReportProgress* progress = nullptr);

// Reads the rows of a derived table that is already built, as the summary
// windows show them again, without building anything.
reports::BuiltReport readReport(store::ReportDatabase& db, reports::ReportKind kind);

// The chart of a built report: header, axis titles, series and labels.
reports::ReportChart reportChart(const reports::BuiltReport& report, const reports::ReportInputs& inputs);

// The grid of the report's summary. An empty node table shows "No data found
// in Node Traffic database" through messages and gives no data rows.
summaries::SummaryGrid summaryGrid(const reports::BuiltReport& report, platform::MessageSink& messages);

// The cells of the report's summary CSV file; the latency table holds its
// first rowLimit rows. An empty node table is said through messages.
summaries::SummaryTable summaryTable(const reports::BuiltReport& report, platform::MessageSink& messages,
                                     qsizetype rowLimit = summaries::allRows);

// Writes the report's summary CSV file content; false when a write failed.
bool writeSummaryCsv(const reports::BuiltReport& report, platform::MessageSink& messages, QIODevice& out);

}  // namespace varnel::catalogue
