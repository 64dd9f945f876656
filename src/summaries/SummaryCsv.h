// The CSV files of the five summaries: header line, then one line per grid
// row with the cells trimmed, every line ended by CR LF, text in the local
// 8-bit encoding. Text cells follow the rule of text/CsvCell.h. Each
// writer returns false when the device failed a write.
#pragma once

#include <QIODevice>

#include "reports/LatencyRows.h"
#include "summaries/SummaryGrid.h"

namespace varnel::summaries {

// Lines "hour,in use,available"; the hour is the row's position (1 to 24).
bool writePortAvailabilityCsv(const SummaryGrid& grid, QIODevice& out);

// Lines "hour,inbound count,inbound MB,outbound count,outbound MB".
bool writeQueueActivityCsv(const SummaryGrid& grid, QIODevice& out);

// Lines "guid,time delivered (long time),seconds,Veyra node,Keldan node".
bool writeLatencyCsv(const reports::LatencyRows& outbound, QIODevice& out);

// Lines "type,id,inbound count,inbound MB,outbound count,outbound MB".
bool writeNodeTrafficCsv(const SummaryGrid& grid, QIODevice& out);

// Lines "type,id,inbound NDNs,outbound NDNs," (each field followed by a comma).
bool writeNodeErrorCsv(const SummaryGrid& grid, QIODevice& out);

}  // namespace varnel::summaries
