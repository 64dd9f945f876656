// Which stretch of a chart's X axis is visible, and the scroll bar that moves
// it: the four zoom entries with their check marks, the window width
// (LargeChange) and arrow step (SmallChange) of each, and the zoom and scroll
// arithmetic of the per-minute, the latency and the per-day charts. Plain values, no
// widgets: the window's scroll bar and the chart's axis follow it.
#pragma once

#include <QString>
#include <optional>

namespace varnel::charts {

enum class ViewportKind {
    PerMinute,  // X is the minute row 1 to 1440; the axis limit is fixed at 1440
    Latency,    // X is the delivery time in seconds of the day; the limit is the bar's Max
    PerDay,     // X is the day 1 to N, the bar's Max; the entries show 7, 31, 365 and all days
};

// The scroll bar as the viewport sets it.
struct ScrollBarState {
    int minimum = 0;
    int maximum = 0;
    int value = 0;
    int largeChange = 1;  // width of the visible window, the step of a trough click
    int smallChange = 1;  // the step of an arrow click
    bool enabled = true;
};

struct AxisRange {
    double minimum = 0;
    double maximum = 0;
    bool operator==(const AxisRange&) const = default;
};

// Rounds to the nearest integer, halves to even.
int roundHalfEven(double value);

class ChartViewport {
public:
    static constexpr int zoomEntryCount = 4;
    static constexpr int perMinuteLimit = 1440;

    explicit ChartViewport(ViewportKind kind);

    ViewportKind kind() const { return kind_; }

    // The report's load: the bar's range, then its value (which scrolls).
    void setRange(int minimum, int maximum);
    void setValue(int value);

    // A zoom menu click (entry 0 to 3): checks the entry, sets the window
    // width and arrow step, keeps the left edge where it fits and shows a
    // window of w + 1 units. Returns the description of a failing step (a
    // window width below 1), after which the remaining steps still run.
    std::optional<QString> zoom(int entry);

    // The scroll bar moved to value (by the user or by code).
    void scroll(int value);

    // The user zoomed or dragged on the chart itself: the window becomes the
    // given stretch, clipped to the axis, and the scroll bar follows. The
    // check mark stays only when the width is one of the entries' widths.
    void followChart(double minimum, double maximum);

    const ScrollBarState& scrollBar() const { return bar_; }
    AxisRange axis() const { return axis_; }
    // The checked zoom entry; nothing after a chart zoom to another width.
    std::optional<int> checkedEntry() const { return checked_; }

private:
    int limit() const;
    // The per-day chart shows whole days from start on, each centred on its
    // position.
    void showDaysFrom(int start);
    // The window width of an entry: fixed for the per-minute charts, a part
    // of the bar's Max for the latency chart.
    int entryWidth(int entry) const;

    ViewportKind kind_;
    ScrollBarState bar_;
    AxisRange axis_;
    std::optional<int> checked_;
};

}  // namespace varnel::charts
