#include "render/ReportWindowDesign.h"

#include "shell/StringTable.h"

namespace varnel::reportwindows {

namespace {

using charts::ChartControl;
using reports::ReportKind;
using R = MenuRole;

constexpr MenuItemDesign separator(const char* name = "") { return {name, -1, R::Separator}; }

MenuDesign zoomMenu(const char* name, int first, int second, int third, int fourth) {
    return {name,
            130,
            {{"mnuZoom", first, R::Zoom},
             {"mnuZoom", second, R::Zoom},
             {"mnuZoom", third, R::Zoom},
             {"mnuZoom", fourth, R::Zoom}}};
}

const ReportWindowDesign portAvailability{
    ReportKind::PortAvailability,
    "frmPortAvailability",
    87,
    25,
    {{"mnuFile",
      4,
      {{"mnuPrintChart", 92, R::Print},
       {"SaveChartToBitmap", 96, R::SaveChart},
       separator("mnuSkip2"),
       {"mnuSummaryInfo", 108, R::Summary},
       separator("mnuSkip1"),
       {"mnuExit", 15, R::Exit}}},
     zoomMenu("mnuZoomMenu", 62, 106, 107, 105),
     {"mnuHelp", 5, {{"mnuAbout", 6, R::About}, separator("mnuSkip"), {"mnuShowHelp", 32, R::Help}}}},
    {{"Frame1", 40, {{"chkShowPortsAvailable", 90, true}, {"chkShowPortsBusy", 91, false}}}},
    {{0, SeriesRule::anyOption}, {1, SeriesRule::anyOption}},
    ChartControl::GroupType::Bars,
    ChartControl::XLabels::MinuteOfDay,
    charts::ViewportKind::PerMinute,
    7005,
    5414};

const ReportWindowDesign queueActivity{
    ReportKind::QueueActivity,
    "frmMessageQueueActivity",
    54,
    24,
    {{"File",
      29,
      {{"mnuPrintChart", 92, R::Print},
       {"mnuSaveChartToBitmap", 96, R::SaveChart},
       separator(),
       {"mnuShowSummary", 108, R::Summary},
       separator(),
       {"mnuExit", 27, R::Exit}}},
     zoomMenu("mnuZoomMenu", 62, 106, 107, 105),
     {"Help", 32, {{"mnuHelp", 32, R::Help}, separator(), {"mnuAbout", 6, R::About}}}},
    {{"Frame2", 109, {{"optShowMessageCount", 49, false}, {"optShowQueueSize", 93, true}}},
     {"Frame1", 40, {{"chkShowInboundMessages", 36, false}, {"chkShowOutboundMessages", 81, true}}}},
    // Series 1 and 2 are sizes, 3 and 4 counts; odd ones inbound.
    {{0, 1}, {1, 1}, {0, 0}, {1, 0}},
    ChartControl::GroupType::Bars,
    ChartControl::XLabels::MinuteOfDay,
    charts::ViewportKind::PerMinute,
    7005,
    5414};

const ReportWindowDesign latency{ReportKind::Latency,
                                 "frmMessageLatency",
                                 52,
                                 23,
                                 {{"mnuFile",
                                   29,
                                   {{"mnuPrintChart", 92, R::Print},
                                    {"SaveChartAsBitmap", 100, R::SaveChart},
                                    {"mnuSummaryInfo", 108, R::Summary},
                                    {"mnuExit", 27, R::Exit}}},
                                  zoomMenu("Zoom", 131, 132, 133, 134),
                                  {"mnuHelp", 32, {{"mnuHelpFile", 32, R::Help}, {"mnuAbout", 6, R::About}}}},
                                 {},
                                 {{SeriesRule::always, SeriesRule::anyOption}},
                                 ChartControl::GroupType::Points,
                                 ChartControl::XLabels::TimeOfDay,
                                 charts::ViewportKind::Latency,
                                 7170,
                                 4980};

const ReportWindowDesign nodeTraffic{
    ReportKind::NodeTraffic,
    "frmNodeTraffic",
    72,
    22,
    {{"File",
      29,
      {{"PrintChart", 92, R::Print},
       {"SaveChartToBitmap", 99, R::SaveChart},
       separator(),
       {"mnuSummaryData", 113, R::Summary},
       separator(),
       {"mnuExit", 27, R::Exit}}},
     {"HelpMenu", 32, {{"Help", 32, R::Help}, separator(), {"About", 6, R::About}}}},
    {{"Frame1", 40, {{"chkShowInboundMessages", 36, false}, {"chkShowOutboundMessages", 81, true}}},
     {"frExclude", 110, {{"optShowMessageCount", 49, false}, {"optShowQueueSize", 58, true}}}},
    // Series 1 and 2 are counts, 3 and 4 megabytes; odd ones inbound.
    {{0, 0}, {1, 0}, {0, 1}, {1, 1}},
    ChartControl::GroupType::Bars,
    ChartControl::XLabels::ValueLabels,
    std::nullopt,
    7005,
    5414};

const ReportWindowDesign nodeErrors{
    ReportKind::NodeErrors,
    "frmNodeError",
    146,
    22,
    {{"mnuFile",
      29,
      {{"mnuPrintChart", 92, R::Print},
       {"mnuSaveChartToBitmap", 99, R::SaveChart},
       separator(),
       {"mnuShowSummary", 113, R::Summary},
       separator(),
       {"mnuExit", 27, R::Exit}}},
     {"mnuHelp", 32, {{"mnuHelpMenu", 32, R::Help}, separator(), {"mnuAbout", 6, R::About}}}},
    {{"Frame1", 40, {{"chkShowInboundMessages", 145, true}, {"chkShowOutboundMessages", 144, true}}}},
    // The size series hold nothing for errors and are never shown.
    {{0, SeriesRule::anyOption}, {1, SeriesRule::anyOption}, {0, SeriesRule::never}, {1, SeriesRule::never}},
    ChartControl::GroupType::Bars,
    ChartControl::XLabels::ValueLabels,
    std::nullopt,
    7005,
    5414};

bool isCheckFrame(const FrameDesign& frame) { return QByteArray(frame.controls.front().name).startsWith("chk"); }

}  // namespace

const FrameDesign* ReportWindowDesign::checkFrame() const {
    for (const FrameDesign& frame : frames)
        if (isCheckFrame(frame)) return &frame;
    return nullptr;
}

const FrameDesign* ReportWindowDesign::optionFrame() const {
    for (const FrameDesign& frame : frames)
        if (!isCheckFrame(frame)) return &frame;
    return nullptr;
}

QString ReportWindowDesign::chartLoadingCaption() const {
    if (viewport == charts::ViewportKind::PerMinute) return QStringLiteral("Generating report, please wait...");
    if (viewport == charts::ViewportKind::Latency) return shell::myLoadResString(43);
    return {};
}

const ReportWindowDesign& reportWindowDesign(ReportKind kind) {
    switch (kind) {
        case ReportKind::PortAvailability:
            return portAvailability;
        case ReportKind::QueueActivity:
            return queueActivity;
        case ReportKind::Latency:
            return latency;
        case ReportKind::NodeTraffic:
            return nodeTraffic;
        case ReportKind::NodeErrors:
            return nodeErrors;
    }
    return portAvailability;
}

std::vector<bool> visibleSeries(const ReportWindowDesign& design, const std::vector<bool>& checks,
                                const std::vector<bool>& options) {
    std::vector<bool> visible;
    for (const SeriesRule& rule : design.series) {
        bool shown = rule.check == SeriesRule::always || checks.at(static_cast<std::size_t>(rule.check));
        if (rule.option == SeriesRule::never) shown = false;
        if (rule.option >= 0) shown = shown && options.at(static_cast<std::size_t>(rule.option));
        visible.push_back(shown);
    }
    return visible;
}

std::vector<bool> initiallyVisibleSeries(const ReportWindowDesign& design) {
    std::vector<bool> checks;
    std::vector<bool> options;
    if (const FrameDesign* frame = design.checkFrame())
        for (const ControlDesign& control : frame->controls) checks.push_back(control.initiallyOn);
    if (const FrameDesign* frame = design.optionFrame())
        for (const ControlDesign& control : frame->controls) options.push_back(control.initiallyOn);
    return visibleSeries(design, checks, options);
}

}  // namespace varnel::reportwindows
