// The program's own English string table.
#pragma once

#include <array>

namespace varnel::shell {

// Texts added after the first 150, by name.
inline constexpr int saveReportPageStringId = 150;         // "Save Report Page..."
inline constexpr int dailyTrendTabStringId = 151;          // "Daily Trend"
inline constexpr int dailyTrendCaptionStringId = 152;      // "Daily Trend Report"
inline constexpr int dailyTrendSummaryStringId = 153;      // "Daily Trend Summary"
inline constexpr int dailyTrendHeaderStringId = 154;       // "Daily Trend Report for "
inline constexpr int show7DaysStringId = 155;              // "Show 7 Days", then 31, 365 and all days
inline constexpr int dailyTrendDescriptionStringId = 159;  // the tab's description
inline constexpr int dailyTrendLoadFailureStringId = 160;  // "Error in frmDailyTrend form Load routine: "
inline constexpr int trendCallsStringId = 161;             // "Calls", then the other kinds of figures to 167

inline constexpr int englishStringCount = 168;
extern const std::array<const char*, englishStringCount> englishStrings;

}  // namespace varnel::shell
