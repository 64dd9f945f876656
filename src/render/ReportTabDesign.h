// What a report's tab on the main window holds, as data: the object names of
// its controls and their captions. A tab of a whole-day report shows a
// description, the chart's axis and the Run Report button; a tab of a report
// that takes a range and a node choice adds the time pickers and the two
// node lists. The main window builds every tab from its report's design in
// the window-side catalogue, render/ReportViewCatalogue.h.
#pragma once

#include <optional>
#include <vector>

namespace varnel::render {

// A control and its caption: a string id, or a fixed text of the window's
// design that no language changes, or none.
struct TabControl {
    const char* name;
    int captionId = -1;
    const char* fixedText = nullptr;
};

struct RangeControls {
    TabControl times;  // the frame around the time pickers
    TabControl from;
    TabControl start;
    TabControl through;
    TabControl end;
    TabControl limitNodes;
    TabControl keldanFrame;
    TabControl keldanNodes;
    TabControl veyraFrame;
    TabControl veyraNodes;
};

struct ReportTabDesign {
    int captionId = -1;                  // the tab's caption, or
    const char* fixedCaption = nullptr;  // a fixed one
    TabControl description;
    TabControl runReport;
    std::optional<TabControl> axis = std::nullopt;      // whole-day tabs
    std::optional<RangeControls> range = std::nullopt;  // tabs of reports that take a range and a node choice

    // Every control of the tab, in the order they are laid out.
    std::vector<TabControl> controls() const {
        std::vector<TabControl> all{description};
        if (axis) all.push_back(*axis);
        if (range)
            all.insert(all.end(),
                       {range->times, range->from, range->start, range->through, range->end, range->limitNodes,
                        range->keldanFrame, range->keldanNodes, range->veyraFrame, range->veyraNodes});
        all.push_back(runReport);
        return all;
    }
};

}  // namespace varnel::render
