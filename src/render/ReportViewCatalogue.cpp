#include "render/ReportViewCatalogue.h"

#include <algorithm>
#include <stdexcept>

namespace varnel::render {

namespace {

using charts::ChartControl;
using reports::ReportKind;
using reportwindows::FrameDesign;
using reportwindows::MenuDesign;
using reportwindows::MenuItemDesign;
using reportwindows::ReportWindowDesign;
using reportwindows::SeriesRule;
using summarywindows::SummaryFill;
using summarywindows::SummaryWindowKind;
using R = reportwindows::MenuRole;

constexpr MenuItemDesign separator(const char* name = "") { return {name, -1, R::Separator}; }

MenuDesign zoomMenu(const char* name, int first, int second, int third, int fourth) {
    return {name,
            130,
            {{"mnuZoom", first, R::Zoom},
             {"mnuZoom", second, R::Zoom},
             {"mnuZoom", third, R::Zoom},
             {"mnuZoom", fourth, R::Zoom}}};
}

// The non-delivery tab keeps the fixed texts of the window's design.
constexpr const char* nodeErrorDescription =
    "Shows the non-delivery notifications (NDNs) reported for each node, inbound (from Keldan nodes to Veyra) "
    "and outbound (from Veyra to Keldan nodes).  You can select to see information about specific Veyra and "
    "Keldan nodes and choose a time range if you like.  The summary report shows the same information which "
    "can be saved to a CSV file.";

const ReportViewEntry entries[] = {
    {.kind = ReportKind::PortAvailability,
     .window =
         {.windowName = "frmPortAvailability",
          .loadFailureId = 25,
          .menus = {{"mnuFile",
                     4,
                     {{"mnuPrintChart", 92, R::Print},
                      {"SaveChartToBitmap", 96, R::SaveChart},
                      separator("mnuSkip2"),
                      {"mnuSummaryInfo", 108, R::Summary},
                      separator("mnuSkip1"),
                      {"mnuExit", 15, R::Exit}}},
                    zoomMenu("mnuZoomMenu", 62, 106, 107, 105),
                    {"mnuHelp", 5, {{"mnuAbout", 6, R::About}, separator("mnuSkip"), {"mnuShowHelp", 32, R::Help}}}},
          .frames = {{"Frame1", 40, {{"chkShowPortsAvailable", 90, true}, {"chkShowPortsBusy", 91, false}}}},
          .series = {{0, SeriesRule::anyOption}, {1, SeriesRule::anyOption}},
          .groupType = ChartControl::GroupType::Bars,
          .xLabels = ChartControl::XLabels::MinuteOfDay,
          .viewport = charts::ViewportKind::PerMinute,
          .minimumWidthTwips = 7005,
          .minimumHeightTwips = 5414},
     .summary = {"frmPortAvailabilitySummary", "mnuSaveAsCSV", "mnuHelpHeader", true, 6030, 6000},
     .tab = {.captionId = 86,
             .description = {"lblPortAvailabilityDescription", 115},
             .runReport = {"cmdPortUsage", 94},
             .axis = TabControl{"lblPortAvailabilityAxis", 120}}},

    {.kind = ReportKind::QueueActivity,
     .window = {.windowName = "frmMessageQueueActivity",
                .loadFailureId = 24,
                .menus = {{"File",
                           29,
                           {{"mnuPrintChart", 92, R::Print},
                            {"mnuSaveChartToBitmap", 96, R::SaveChart},
                            separator(),
                            {"mnuShowSummary", 108, R::Summary},
                            separator(),
                            {"mnuExit", 27, R::Exit}}},
                          zoomMenu("mnuZoomMenu", 62, 106, 107, 105),
                          {"Help", 32, {{"mnuHelp", 32, R::Help}, separator(), {"mnuAbout", 6, R::About}}}},
                .frames =
                    {{"Frame2", 109, {{"optShowMessageCount", 49, false}, {"optShowQueueSize", 93, true}}},
                     {"Frame1", 40, {{"chkShowInboundMessages", 36, false}, {"chkShowOutboundMessages", 81, true}}}},
                // Series 1 and 2 are sizes, 3 and 4 counts; odd ones inbound.
                .series = {{0, 1}, {1, 1}, {0, 0}, {1, 0}},
                .groupType = ChartControl::GroupType::Bars,
                .xLabels = ChartControl::XLabels::MinuteOfDay,
                .viewport = charts::ViewportKind::PerMinute,
                .minimumWidthTwips = 7005,
                .minimumHeightTwips = 5414},
     .summary = {"frmMessageQueueActivitySummary", "mnuSaveToCSV", "Help", true, 9600, 3000},
     .tab = {.captionId = 54,
             .description = {"lblQueueActivityDescription", 117},
             .runReport = {"cmdMessageQueueActivity", 94},
             .axis = TabControl{"lblQueueActivityAxis", 121}}},

    {.kind = ReportKind::Latency,
     .window = {.windowName = "frmMessageLatency",
                .loadFailureId = 23,
                .menus = {{"mnuFile",
                           29,
                           {{"mnuPrintChart", 92, R::Print},
                            {"SaveChartAsBitmap", 100, R::SaveChart},
                            {"mnuSummaryInfo", 108, R::Summary},
                            {"mnuExit", 27, R::Exit}}},
                          zoomMenu("Zoom", 131, 132, 133, 134),
                          {"mnuHelp", 32, {{"mnuHelpFile", 32, R::Help}, {"mnuAbout", 6, R::About}}}},
                .frames = {},
                .series = {{SeriesRule::always, SeriesRule::anyOption}},
                .groupType = ChartControl::GroupType::Points,
                .xLabels = ChartControl::XLabels::TimeOfDay,
                .viewport = charts::ViewportKind::Latency,
                .minimumWidthTwips = 7170,
                .minimumHeightTwips = 4980},
     .summary = {"frmMessageLatencySummary", "mnuSaveToCSV", "Help", false, 6000, 3000, SummaryFill::BoundLatencyRows},
     .tab = {.captionId = 52,
             .description = {"lblMessageLatencyDescription", 114},
             .runReport = {"cmdMessageLatency", 94},
             .range = RangeControls{.times = {"frMessageLatencyTimes", 111},
                                    .from = {"lblMessageLatencyFrom", 30},
                                    .start = {"timeLatencyStart"},
                                    .through = {"lblMessageLatencyThrough", 135},
                                    .end = {"timeLatencyEnd"},
                                    .limitNodes = {"chkMessageLatencyLimitNodes", 41},
                                    .keldanFrame = {"frMessageLatencyKeldanNodes", 79},
                                    .keldanNodes = {"listMessageLatencyKeldanNodes"},
                                    .veyraFrame = {"frMessageLatencyVeyraNodes", 126},
                                    .veyraNodes = {"listMessageLatencyVeyraNodes"}}}},

    {.kind = ReportKind::NodeTraffic,
     .window = {.windowName = "frmNodeTraffic",
                .loadFailureId = 22,
                .menus = {{"File",
                           29,
                           {{"PrintChart", 92, R::Print},
                            {"SaveChartToBitmap", 99, R::SaveChart},
                            separator(),
                            {"mnuSummaryData", 113, R::Summary},
                            separator(),
                            {"mnuExit", 27, R::Exit}}},
                          {"HelpMenu", 32, {{"Help", 32, R::Help}, separator(), {"About", 6, R::About}}}},
                .frames =
                    {{"Frame1", 40, {{"chkShowInboundMessages", 36, false}, {"chkShowOutboundMessages", 81, true}}},
                     {"frExclude", 110, {{"optShowMessageCount", 49, false}, {"optShowQueueSize", 58, true}}}},
                // Series 1 and 2 are counts, 3 and 4 megabytes; odd ones inbound.
                .series = {{0, 0}, {1, 0}, {0, 1}, {1, 1}},
                .groupType = ChartControl::GroupType::Bars,
                .xLabels = ChartControl::XLabels::ValueLabels,
                .viewport = std::nullopt,
                .minimumWidthTwips = 7005,
                .minimumHeightTwips = 5414},
     .summary = {"frmNodeTrafficSummary", "mnuSaveToCSV", "Help", true, 9800, 3000},
     .tab = {.captionId = 71,
             .description = {"lblNodeTrafficDescription", 116},
             .runReport = {"cmdNodeTraffic", 94},
             .range = RangeControls{.times = {"frNodeTrafficTimes", 112},
                                    .from = {"lblNodeTrafficFrom", 30},
                                    .start = {"NodeTrafficStartTime"},
                                    .through = {"lblNodeTrafficThrough", 135},
                                    .end = {"NodeTrafficEndTime"},
                                    .limitNodes = {"chkNodeTrafficLimitNodes", 41},
                                    .keldanFrame = {"frNodeTrafficKeldanNodes", 79},
                                    .keldanNodes = {"listNodeTrafficKeldanNodes"},
                                    .veyraFrame = {"frNodeTrafficVeyraNodes", 126},
                                    .veyraNodes = {"listNodeTrafficVeyraNodes"}}}},

    {.kind = ReportKind::NodeErrors,
     .window = {.windowName = "frmNodeError",
                .loadFailureId = 22,
                .menus = {{"mnuFile",
                           29,
                           {{"mnuPrintChart", 92, R::Print},
                            {"mnuSaveChartToBitmap", 99, R::SaveChart},
                            separator(),
                            {"mnuShowSummary", 113, R::Summary},
                            separator(),
                            {"mnuExit", 27, R::Exit}}},
                          {"mnuHelp", 32, {{"mnuHelpMenu", 32, R::Help}, separator(), {"mnuAbout", 6, R::About}}}},
                .frames =
                    {{"Frame1", 40, {{"chkShowInboundMessages", 145, true}, {"chkShowOutboundMessages", 144, true}}}},
                // The size series hold nothing for errors and are never shown.
                .series = {{0, SeriesRule::anyOption},
                           {1, SeriesRule::anyOption},
                           {0, SeriesRule::never},
                           {1, SeriesRule::never}},
                .groupType = ChartControl::GroupType::Bars,
                .xLabels = ChartControl::XLabels::ValueLabels,
                .viewport = std::nullopt,
                .minimumWidthTwips = 7005,
                .minimumHeightTwips = 5414},
     .summary = {"frmNodeErrorSummary", "mnuSaveAsCSV", "mnuHelpMenu", true, 5730, 3000},
     .tab = {.fixedCaption = "Non-delivery Notifications",
             .description = {.name = "lblNodeErrorDescription", .fixedText = nodeErrorDescription},
             .runReport = {.name = "cmdNodeError", .fixedText = "Run Report"},
             .range =
                 RangeControls{
                     .times = {.name = "frNodeErrorTimes", .fixedText = "Show messages delivered between these times"},
                     .from = {.name = "lblNodeErrorFrom", .fixedText = "From"},
                     .start = {"NodeErrorsStartTime"},
                     .through = {.name = "lblNodeErrorThrough", .fixedText = "through"},
                     .end = {"NodeErrorsEndTime"},
                     .limitNodes = {.name = "chkNodeErrorLimitNodes",
                                    .fixedText = "Limit report data to messages involving these specific nodes:"},
                     .keldanFrame = {.name = "frNodeErrorKeldanNodes", .fixedText = "KeldanNet Nodes"},
                     .keldanNodes = {"listNodeErrorKeldanNodes"},
                     .veyraFrame = {.name = "frNodeErrorVeyraNodes", .fixedText = "Veyra Nodes"},
                     .veyraNodes = {"listNodeErrorVeyraNodes"}}}},
};

}  // namespace

std::span<const ReportViewEntry> reportViewCatalogue() { return entries; }

const ReportViewEntry& reportViews(ReportKind kind) {
    const auto found = std::find_if(std::begin(entries), std::end(entries),
                                    [kind](const ReportViewEntry& entry) { return entry.kind == kind; });
    if (found == std::end(entries)) throw std::logic_error("a report kind without views");
    return *found;
}

}  // namespace varnel::render
