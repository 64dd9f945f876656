// The summary of a built report, as its summary window shows it and as its
// CSV file holds it: the one place that picks a report's grid and writer.
#pragma once

#include <QIODevice>

#include "platform/UserMessage.h"
#include "reports/ReportRecipe.h"
#include "summaries/SummaryGrid.h"
#include "summaries/SummaryTable.h"

namespace varnel::summaries {

// The grid of the report's summary. An empty node table shows "No data found
// in Node Traffic database" through messages and gives no data rows.
SummaryGrid summaryGrid(const reports::BuiltReport& report, platform::MessageSink& messages);

// The cells of the report's summary CSV file; the latency table holds its
// first rowLimit rows. An empty node table is said through messages.
SummaryTable summaryTable(const reports::BuiltReport& report, platform::MessageSink& messages,
                          qsizetype rowLimit = allRows);

// Writes the report's summary CSV file content; false when a write failed.
bool writeSummaryCsv(const reports::BuiltReport& report, platform::MessageSink& messages, QIODevice& out);

}  // namespace varnel::summaries
