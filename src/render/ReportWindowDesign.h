// What tells the report windows apart, as data: menus with their object
// names and string ids in order, the option frames with their initial
// states, which option shows which series, the chart's look and viewport,
// and the minimum size (the caption is the report's title in the report
// catalogue). One window class reads it; the pictures and the report page
// draw each chart with the same look. Each report's design stands in the
// window-side catalogue, render/ReportViewCatalogue.h.
#pragma once

#include <optional>
#include <vector>

#include "charts/ChartControl.h"
#include "charts/ChartViewport.h"

namespace varnel::reportwindows {

enum class MenuRole { Print, SaveChart, Summary, Exit, Zoom, Help, About, Separator };

struct MenuItemDesign {
    const char* name;  // object name; empty for a separator without one
    int captionId;     // string id; -1 for a separator
    MenuRole role;
};

struct MenuDesign {
    const char* name;
    int captionId;
    std::vector<MenuItemDesign> items;
};

struct ControlDesign {
    const char* name;
    int captionId;
    bool initiallyOn;  // ticked or selected when the window opens
};

struct FrameDesign {
    const char* name;
    int captionId;
    std::vector<ControlDesign> controls;
};

// Which control shows a series: the check box of its direction (or none:
// always shown) and the option button of its measure (or any, or never).
struct SeriesRule {
    static constexpr int always = -1;
    static constexpr int anyOption = -1;
    static constexpr int never = -2;
    int check = always;
    int option = anyOption;
};

struct ReportWindowDesign {
    const char* windowName;
    int loadFailureId;  // the prefix of the load's failure messages
    std::vector<MenuDesign> menus;
    std::vector<FrameDesign> frames;  // in the window's order, left to right
    const FrameDesign* checkFrame() const;
    const FrameDesign* optionFrame() const;
    std::vector<SeriesRule> series;
    charts::ChartControl::GroupType groupType;
    charts::ChartControl::XLabels xLabels;
    std::optional<charts::ViewportKind> viewport;
    // The caption of the main window's progress panel while the chart fills;
    // empty where the chart fills without one.
    QString chartLoadingCaption() const;
    int minimumWidthTwips;
    int minimumHeightTwips;
};

// Which series (from 1, in order) the controls' states show: ticks of the
// check frame's boxes, and which option button of the option frame is on.
std::vector<bool> visibleSeries(const ReportWindowDesign& design, const std::vector<bool>& checks,
                                const std::vector<bool>& options);

// The series shown when the window opens.
std::vector<bool> initiallyVisibleSeries(const ReportWindowDesign& design);

}  // namespace varnel::reportwindows
