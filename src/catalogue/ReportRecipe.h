// One recipe per report, shared by the report windows, the summary windows,
// the report page and varnel-report so that they never show different
// figures: build (or reuse) the report's derived table and read its rows,
// read them again later, turn them into chart data and into the summary.
// Each call goes to the report's catalogue entry. What a report has to say
// comes back with it, as values.
#pragma once

#include <QIODevice>

#include "catalogue/ReportCatalogue.h"

namespace varnel::catalogue {

// Builds the derived table of inputs.kind (the per-minute tables only when
// they are not built yet) and reads its rows; the report carries what its
// build has to say. unmatchedFile, when given, receives the latency report's
// unmatched events. whileStoring, when given, gets the report on the calling
// thread: the latency rows as soon as they are paired, while another thread
// stores the table, and the other reports' rows once they are built.
// progress, when given, hears how the table's build goes (from this thread
// and the storing one). Throws SQLite::Exception on database trouble.
reports::BuiltReport buildReport(store::ReportDatabase& db, const reports::ReportInputs& inputs,
                                 QIODevice* unmatchedFile = nullptr, const reports::RowsUser& whileStoring = {},
                                 reports::ReportProgress* progress = nullptr);

// Reads the rows of a derived table that is already built, as the summary
// windows show them again, without building anything.
reports::BuiltReport readReport(store::ReportDatabase& db, reports::ReportKind kind);

// The chart of a built report: header, axis titles, series and labels.
reports::ReportChart reportChart(const reports::BuiltReport& report, const reports::ReportInputs& inputs);

// The grid of the report's summary. An empty node table gives no data rows
// and says "No data found in Node Traffic database".
summaries::SummaryGrid summaryGrid(const reports::BuiltReport& report);

// The cells of the report's summary CSV file; the latency table holds its
// first rowLimit rows.
summaries::SummaryTable summaryTable(const reports::BuiltReport& report, qsizetype rowLimit = summaries::allRows);

// Writes the report's summary CSV file content.
SummaryCsvWrite writeSummaryCsv(const reports::BuiltReport& report, QIODevice& out);

}  // namespace varnel::catalogue
