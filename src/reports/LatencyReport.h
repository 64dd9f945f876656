// The latency report's build: pairs the range's message events (or takes
// the pairs made after the load), hands the outbound rows on while another
// thread stores the MessageLatency table, and writes the unmatched events.
// The report says "No message traffic found." when no outbound row exists.
#pragma once

#include <QIODevice>

#include "reports/BuiltReport.h"
#include "reports/ReportInputs.h"
#include "reports/ReportProgress.h"
#include "store/ReportDatabase.h"

namespace varnel::reports {

// unmatchedFile, when given, receives the unmatched events. whileStoring,
// when given, gets the rows on the calling thread as soon as they are
// paired, while another thread stores the table; the connection is used by
// that thread alone meanwhile. The table is left to inputs.latencyTable when
// it is given, and then progress, when given, hears how the pairing goes;
// else it hears how the storing goes. Throws SQLite::Exception on database
// trouble.
BuiltReport buildLatencyReport(store::ReportDatabase& db, const ReportInputs& inputs, QIODevice* unmatchedFile,
                               const RowsUser& whileStoring, ReportProgress* progress);

}  // namespace varnel::reports
