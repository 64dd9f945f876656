// Default names of the files a report writes, its catalogue entry's file
// stem and the report date: "PortAvailabilitySummary_5_12_2004.csv",
// "PortAvailabilityGraph_5_12_2004.BMP".
// The names carry no folder; the caller puts them where files go.
#pragma once

#include <QString>

#include "reports/ReportKind.h"
#include "store/StoredTime.h"

namespace varnel::catalogue {

// "_" + month + "_" + day + "_" + year, numbers without leading zeros.
QString reportDateSuffix(const store::StoredTime& reportDate);

QString summaryCsvFileName(reports::ReportKind kind, const store::StoredTime& reportDate);

// extension without the dot; the chart window's own default is "BMP".
QString chartFileName(reports::ReportKind kind, const store::StoredTime& reportDate, const QString& extension);

// Whether fileName is what summaryCsvFileName or chartFileName gives for
// some report date, in any letter case: the names a run will write, known
// before the load has set the date.
bool isSummaryCsvFileName(reports::ReportKind kind, const QString& fileName);
bool isChartFileName(reports::ReportKind kind, const QString& fileName, const QString& extension);

// The latency report's file of unmatched messages.
inline constexpr const char* unmatchedMessagesFileName = "UnmatchedGUID.TXT";

}  // namespace varnel::catalogue
