// The program's own English string table.
#pragma once

#include <array>

namespace varnel::shell {

// Texts added after the first 150, by name. A %1, %2 ... in a text stands
// for a value filled in where it is used.
inline constexpr int saveReportPageStringId = 150;          // "Save Report Page..."
inline constexpr int workingDatabaseLabelStringId = 151;    // "Working database:"
inline constexpr int unableToWriteStringId = 152;           // "Unable to write %1: %2"
inline constexpr int copyStringId = 153;                    // "Copy"
inline constexpr int helpPageMissingStringId = 154;         // "The help page %1 cannot be found."
inline constexpr int languagePackUnreadableStringId = 155;  // "the language pack %1 cannot be read: %2; ..."
inline constexpr int reportPageSavedStringId = 156;         // "The report page was saved to %1."
inline constexpr int reportPageNotWrittenStringId = 157;    // "The report page %1 was not written: %2"
inline constexpr int reportPageFileFilterStringId = 158;    // "HTML pages (*.html *.htm);;All files (*)"
inline constexpr int reportPageOverLogStringId = 159;       // "The report page would replace a call log, ..."
inline constexpr int reportPageOverDatabaseStringId = 160;  // "The report page would replace the program's ..."
inline constexpr int reportPageNeedsFileStringId = 161;     // "The report page needs a file name, not a folder: %1"
inline constexpr int reportPageTitleStringId = 162;         // "Varnel Traffic Report for "
inline constexpr int reportPageDateStringId = 163;          // "Report date"
inline constexpr int reportPageLogFolderStringId = 164;     // "Log folder"
inline constexpr int reportPageDaysStringId = 165;          // "Days loaded"
inline constexpr int reportPageLoadSummaryStringId = 166;   // "Load summary"
inline constexpr int reportPageFooterStringId = 167;        // "Written by the Varnel Traffic Analyzer on %1."
inline constexpr int reportPageNoChartStringId = 168;       // "The chart could not be drawn."
inline constexpr int reportPageNoRowsStringId = 169;        // "No rows."
inline constexpr int reportPageTimeRangeStringId = 170;     // "Time range: after %1 and before %2."
inline constexpr int reportPageNodesStringId = 171;         // "Only messages between the Veyra nodes %1 and ..."
inline constexpr int reportPageFirstRowsStringId = 172;     // "The table shows the first %1 of %2 rows; ..."
inline constexpr int databaseNotSavedStringId = 173;        // "Unable to save the database to %1: %2"
inline constexpr int databaseFileFilterStringId = 174;      // "SQLite databases (*.db);;All files (*)"
inline constexpr int dayEntryNotADateStringId = 175;        // "the day entry \"%1\" is not a date"
inline constexpr int privateDatabaseStringId = 176;         // "This program works on a working database of ..."
inline constexpr int noPrivateFolderStringId = 177;         // "No private folder could be made for a working ..."
inline constexpr int databaseMissingStringId = 178;         // "The database %1 does not exist"
inline constexpr int databaseOverItselfStringId = 179;      // "A database cannot be saved over itself"

inline constexpr int englishStringCount = 180;
extern const std::array<const char*, englishStringCount> englishStrings;

}  // namespace varnel::shell
