// A summary as its CSV file holds it, cell by cell: the file's header line,
// its column headings and the data rows with every cell trimmed but not yet
// quoted for CSV. The CSV writers write these cells and the report page shows
// them, so both carry the same figures.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <limits>

#include "reports/LatencyRows.h"
#include "summaries/SummaryGrid.h"

namespace varnel::summaries {

struct SummaryTable {
    QString headerLine;
    QStringList headings;     // the header line split at its commas, trimmed
    QList<QStringList> rows;  // one trimmed cell text per column
    QList<bool> textColumns;  // per column: holds texts (identifiers, node types), never numbers
    qsizetype totalRows = 0;  // rows of the whole summary; more than rows.size() when cut short
};

inline constexpr qsizetype allRows = std::numeric_limits<qsizetype>::max();

// Cells "hour,in use,available"; the hour is the row's position (1 to 24).
SummaryTable portAvailabilityTable(const SummaryGrid& grid);

// Cells "hour,inbound count,inbound MB,outbound count,outbound MB".
SummaryTable queueActivityTable(const SummaryGrid& grid);

// Cells "guid,time delivered (long time),seconds,Veyra node,Keldan node" of
// the first rowLimit outbound rows.
SummaryTable latencyTable(const reports::LatencyRows& outbound, qsizetype rowLimit = allRows);

// Cells "type,id,inbound count,inbound MB,outbound count,outbound MB".
SummaryTable nodeTrafficTable(const SummaryGrid& grid);

// Cells "type,id,inbound NDNs,outbound NDNs" under a fixed English header:
// this file never followed the language choice.
SummaryTable nodeErrorTable(const SummaryGrid& grid);

}  // namespace varnel::summaries
