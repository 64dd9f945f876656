// The program's own English texts, ids 0 to 179.
#include "shell/EnglishStrings.h"

namespace varnel::shell {

const std::array<const char*, englishStringCount> englishStrings = {
    /* 0 */ " Number=",
    /* 1 */
    " along the X axis and each node shows how many messages it received and how many messages it delivered.  Outbound "
    "messages are those that go from Veyra to Keldan nodes and inbound messages are those that travel from Keldan "
    "nodes back to Veyra.  You can select to see information about specific Veyra and Keldan nodes and choose a time "
    "range if you like.  Selecting a specific Veyra node and all Keldan nodes, for instance, can be useful for "
    "determining which nodes a Veyra box is communicating with most heavily.  The summary report shows the same "
    "information which can be saved to a CSV file.",
    /* 2 */ " or ",
    /* 3 */ " to ",
    /* 4 */ "&File",
    /* 5 */ "&Help",
    /* 6 */ "About",
    /* 7 */ "Varnel Traffic Analyzer",
    /* 8 */ "Varnel Traffic Report Failure",
    /* 9 */ "Browse...",
    /* 10 */ "Change Language",
    /* 11 */ "Copyright (C) 2004-2026 Dravon Software",
    /* 12 */ "Distributed under the GNU General Public License, version 3 or later.",
    /* 13 */ "Crunching database...",
    /* 14 */ "Data logs folder:",
    /* 15 */ "E&xit",
    /* 16 */ "Error in ClearDatabases: ",
    /* 17 */ "Error in FormLoad routine: ",
    /* 18 */ "Error in ParseLogFile routine: ",
    /* 19 */ "Error in ParseLogFile routing - unknown call log type encountered",
    /* 20 */ "Error in PrintChart routine: ",
    /* 21 */ "Error in cmdParseLogs: ",
    /* 22 */ "Error in form Load procedure for frmCallTraffic form: ",
    /* 23 */ "Error in form Load procedure for frmMessageLatency form: ",
    /* 24 */ "Error in frmMessageQueueActivity form Load routine: ",
    /* 25 */ "Error in frmPortAvailability form Load routine: ",
    /* 26 */ "Error in mnuZoom function:",
    /* 27 */ "Exit",
    /* 28 */ "Exiting application...",
    /* 29 */ "File",
    /* 30 */ "From ",
    /* 31 */ "Generate Report From:",
    /* 32 */ "Help",
    /* 33 */
    "Hour, Max Inbound Messages, Max Inbound Queue Size (MB), Max Outbound Messages, Max Outbound Queue Size (MB)",
    /* 34 */ "Hour, Max ports in use, Minimum ports available to take calls",
    /* 35 */ "Inbound Calls=",
    /* 36 */ "Inbound Message Queue (to Veyra)",
    /* 37 */ "Inbound Message Size (MB)",
    /* 38 */ "Inbound Messages",
    /* 39 */ "Inbound Messages Delivered=",
    /* 40 */ "Include Data In Chart",
    /* 41 */ "Limit report data to messages involving these specific nodes:",
    /* 42 */ "Load Data",
    /* 43 */ "Loading chart points...",
    /* 44 */ "Max Inbound Messages",
    /* 45 */ "Max Inbound Queue Size (MB)",
    /* 46 */ "Max Outbound Messages",
    /* 47 */ "Max Outbound Queue Size (MB)",
    /* 48 */ "Maximum Ports In Use",
    /* 49 */ "Message Count",
    /* 50 */ "Message GUID, Time Delivered, Seconds in Queue, Veyra Node ID, Keldan Node ID",
    /* 51 */ "Message GUID, Time, Keldan Node, Veyra Node",
    /* 52 */ "Message Latency",
    /* 53 */ "Message Latency Summary",
    /* 54 */ "Message Queue Activity",
    /* 55 */ "Message Queue Activity Summary",
    /* 56 */ "Message Queue Activity for ",
    /* 57 */ "Message Queue Latency Report for ",
    /* 58 */ "Message Size (MB)",
    /* 59 */ "Minimum Ports Available To Take Calls",
    /* 60 */ "More than 1,000,000 lines read in log file.  Too many to process.",
    /* 61 */ "No Veyra Varnel traffic data found in selected logs!",
    /* 62 */ "No Zoom",
    /* 63 */ "No call activity found in log!",
    /* 64 */ "No data found in Node Traffic database",
    /* 65 */ "No languages loaded",
    /* 66 */ "No message traffic data found in selected logs!",
    /* 67 */ "No message traffic data found.",
    /* 68 */ "No message traffic found.",
    /* 69 */ "No valid diagnostic files found in that directory...",
    /* 70 */ "Node ID",
    /* 71 */ "Node Message Traffic",
    /* 72 */ "Node Traffic",
    /* 73 */ "Node Traffic Report for ",
    /* 74 */ "Node Traffic Summary",
    /* 75 */ "Node Type",
    /* 76 */
    "Node Type, Node ID, Inbound Messages, Inbound Message Size (MB), Outbound Messages, Outbound Message Size (MB)",
    /* 77 */ "OK",
    /* 78 */ "Keldan",
    /* 79 */ "Keldan Nodes",
    /* 80 */ "Outbound Calls=",
    /* 81 */ "Outbound Message Queue (to Keldan)",
    /* 82 */ "Outbound Message Size (MB)",
    /* 83 */ "Outbound Messages",
    /* 84 */ "Outbound Messages Delivered=",
    /* 85 */ "Parsing log file: ",
    /* 86 */ "Port Availability",
    /* 87 */ "Port Availability Report",
    /* 88 */ "Port Availability Report for ",
    /* 89 */ "Port Availability Summary Information",
    /* 90 */ "Ports available to take calls",
    /* 91 */ "Ports currently busy",
    /* 92 */ "Print Chart",
    /* 93 */ "Queue Size (MB)",
    /* 94 */ "Run Report",
    /* 95 */ "Dravon Software",
    /* 96 */ "Save Chart to Bitmap",
    /* 97 */ "Save Database",
    /* 98 */ "Save as CSV file",
    /* 99 */ "Save chart to Bitmap",
    /* 100 */ "Save chart to bitmap",
    /* 101 */ "Select Language",
    /* 102 */ "Select day:",
    /* 103 */ "Select directory that contains the Veyra Varnel diagnostic logs to run the reports against",
    /* 104 */ "Select file for CSV output",
    /* 105 */ "Show 1 Hour",
    /* 106 */ "Show 12 Hours",
    /* 107 */ "Show 4 Hours",
    /* 108 */ "Show Summary Information",
    /* 109 */ "Show Which Units",
    /* 110 */ "Show message count or message size",
    /* 111 */ "Show messaged delivered between these times:",
    /* 112 */ "Show messages delivered between these times",
    /* 113 */ "Show summary information",
    /* 114 */
    "Shows how long outbound messages (going from Veyra to Keldan nodes) wait in the queue before they are delivered.  "
    "Outbound messages are sent via analog lines to Keldan nodes so lag times in delivery can be a problem if not "
    "enough ports are available to handle the load.  You can select to see information about all nodes or select "
    "specific Keldan and Veyra nodes you are interested in seeing information for.  You can also select a time range "
    "you're interested in.  Each message is graphed over time showing how long it was in the outbound queue before it "
    "was delivered.  The summary report provides a table of the same information which can be saved in CSV format.",
    /* 115 */
    "Shows how many ports are available to take or make calls over the course of the day.  Useful for finding out if "
    "you're running low on ports to send messages to or from Keldan nodes.  This report is always run over the entire "
    "day, however you can zoom in or out from 1 hour to a full 24 hour scope on the resulting graph so you should be "
    "able to get the detail you need.  The chart shows a bar for each minute of the day.  The summary report shows "
    "totals for each hour of the day which can be saved in CSV format. ",
    /* 116 */
    "Shows the number of messages and/or the total number of Megabytes sent from and delivered to each node.  Nodes "
    "are identified by their serial number and are labeled as 'Veyra' or 'Keldan' along the X axis and each node shows "
    "how many messages it received and how many messages it delivered.  Outbound messages are those that go from Veyra "
    "to Keldan nodes and inbound messages are those that travel from Keldan nodes back to Veyra.  You can select to "
    "see information about specific Veyra and Keldan nodes and choose a time range if you like.  Selecting a specific "
    "Veyra node and all Keldan nodes, for instance, can be useful for determining which nodes a Veyra box is "
    "communicating with most heavily.  The summary report shows the same information which can be saved to a CSV file.",
    /* 117 */
    "Shows the number of messages in the inbound (messages from Keldan nodes to Veyra) and/or outbound (messages from "
    "Veyra to Keldan nodes) queues on the Varnel over the course of the day.  You can opt to see the number of "
    "messages in queue or the total queue size in kilobytes.  The report is always run on the entire day but you can "
    "zoom in to as close as 1 hour and out to a full 24 hour view in the resulting graph.  The graph shows a bar for "
    "each minute of the day.  The summary report shows data totaled for each hour of the day which can be saved in CSV "
    "format.",
    /* 118 */ "Start time must be earlier than the end time...",
    /* 119 */ "Summary information saved.",
    /* 120 */
    "The  X axis shows the time of day, the Y axis shows the minimum number of ports available to take/make calls "
    "and/or the maximim number of ports busy for each minute of the day. ",
    /* 121 */
    "The X axis shows time of day, the Y axis show the number of messages or total message size of the inbound and/or "
    "outbound message queues.",
    /* 122 */ "Traffic information found in logs for ",
    /* 123 */
    "This program comes with ABSOLUTELY NO WARRANTY; you may redistribute it under the terms of the GNU General Public "
    "License.",
    /* 124 */ "Unable to open database at:",
    /* 125 */ "Veyra",
    /* 126 */ "Veyra Nodes",
    /* 127 */ "Varnel Traffic Analyzer is made by Dravon Software for the administrators of Varnel messaging gateways.",
    /* 128 */ "Version:",
    /* 129 */ "You must select at least one Keldan and one Veyra node",
    /* 130 */ "Zoom",
    /* 131 */ "Zoom %100",
    /* 132 */ "Zoom %200",
    /* 133 */ "Zoom %400",
    /* 134 */ "Zoom %800",
    /* 135 */ "through",
    /* 136 */ "Node Error Traffic Report",
    /* 137 */ "Delivery Errors Reported: ",
    /* 138 */ "No error delivery states found in the selected log",
    /* 139 */ "Inbound delivery errors: ",
    /* 140 */ "Outbound delivery errors: ",
    /* 141 */ "Inbound Errors",
    /* 142 */ "Outbound Errors",
    /* 143 */ "Non-delivery Notification Summary",
    /* 144 */ "Show outbound NDNs",
    /* 145 */ "Show inbound NDNs",
    /* 146 */ "Non-delivery Notifications",
    /* 147 */ "Non-delivery Notifications Report ",
    /* 148 */ "Inbound NDNs",
    /* 149 */ "Outbound NDNs",
    /* 150 */ "Save Report Page...",
    /* 151 */ "Working database:",
    /* 152 */ "Unable to write %1: %2",
    /* 153 */ "Copy",
    /* 154 */ "The help page %1 cannot be found.",
    /* 155 */ "the language pack %1 cannot be read: %2; the English texts are used instead.",
    /* 156 */ "The report page was saved to %1.",
    /* 157 */ "The report page %1 was not written: %2",
    /* 158 */ "HTML pages (*.html *.htm);;All files (*)",
    /* 159 */ "The report page would replace a call log, which is never replaced: %1",
    /* 160 */ "The report page would replace the program's database file %1",
    /* 161 */ "The report page needs a file name, not a folder: %1",
    /* 162 */ "Varnel Traffic Report for ",
    /* 163 */ "Report date",
    /* 164 */ "Log folder",
    /* 165 */ "Days loaded",
    /* 166 */ "Load summary",
    /* 167 */ "Written by the Varnel Traffic Analyzer on %1.",
    /* 168 */ "The chart could not be drawn.",
    /* 169 */ "No rows.",
    /* 170 */ "Time range: after %1 and before %2.",
    /* 171 */ "Only messages between the Veyra nodes %1 and the Keldan nodes %2.",
    /* 172 */ "The table shows the first %1 of %2 rows; all of them are in the summary's CSV file, %3.",
    /* 173 */ "Unable to save the database to %1: %2",
    /* 174 */ "SQLite databases (*.db);;All files (*)",
    /* 175 */ "the day entry \"%1\" is not a date",
    /* 176 */ "This program works on a working database of its own in %1 until it ends.",
    /* 177 */ "No private folder could be made for a working database of this program's own.",
    /* 178 */ "The database %1 does not exist",
    /* 179 */ "A database cannot be saved over itself",
};

}  // namespace varnel::shell
