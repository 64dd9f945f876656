#include "charts/ChartViewport.h"

#include <algorithm>
#include <cmath>

namespace varnel::charts {

namespace {

constexpr int perMinuteWidths[ChartViewport::zoomEntryCount] = {1440, 720, 240, 60};
constexpr int latencyDivisors[ChartViewport::zoomEntryCount] = {1, 2, 4, 8};
constexpr int smallChanges[ChartViewport::zoomEntryCount] = {0, 30, 10, 1};    // entry 0 keeps the step
constexpr int perDayWidths[ChartViewport::zoomEntryCount - 1] = {7, 31, 365};  // the last entry: all days

}  // namespace

int roundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

ChartViewport::ChartViewport(ViewportKind kind) : kind_(kind) {}

int ChartViewport::limit() const { return kind_ == ViewportKind::PerMinute ? perMinuteLimit : bar_.maximum; }

int ChartViewport::entryWidth(int entry) const {
    if (kind_ == ViewportKind::PerMinute) return perMinuteWidths[entry];
    if (kind_ == ViewportKind::PerDay)
        return entry + 1 < zoomEntryCount ? std::min(perDayWidths[entry], bar_.maximum) : bar_.maximum;
    return roundHalfEven(static_cast<double>(bar_.maximum) / latencyDivisors[entry]);
}

void ChartViewport::setRange(int minimum, int maximum) {
    bar_.minimum = minimum;
    bar_.maximum = maximum;
    bar_.value = std::clamp(bar_.value, minimum, maximum);
}

void ChartViewport::setValue(int value) {
    const int clamped = std::clamp(value, bar_.minimum, bar_.maximum);
    if (clamped != bar_.value) scroll(clamped);
    bar_.value = clamped;
}

std::optional<QString> ChartViewport::zoom(int entry) {
    std::optional<QString> failure;
    checked_ = entry;
    if (kind_ == ViewportKind::PerDay) {
        bar_.largeChange = std::max(entryWidth(entry), 1);
        bar_.smallChange = 1;
        bar_.enabled = bar_.largeChange < limit();
        showDaysFrom(bar_.value);
        return failure;
    }
    const int v = bar_.value;

    const int width = entryWidth(entry);
    if (width < 1)
        failure = QStringLiteral("Invalid property value");
    else
        bar_.largeChange = width;
    if (entry > 0) bar_.smallChange = smallChanges[entry];
    bar_.enabled = entry != 0;

    const int w = bar_.largeChange;
    const int l = limit();
    int start = v;
    if (v + w > l) start = l - w;
    const int end = start + w;
    setValue(start);
    axis_ = {static_cast<double>(start), static_cast<double>(end)};
    return failure;
}

void ChartViewport::scroll(int value) {
    if (kind_ == ViewportKind::PerDay) return showDaysFrom(value);
    bar_.value = value;
    const int l = limit();
    if (bar_.value > l) bar_.value = l;
    int start = bar_.value;
    int end = bar_.value + bar_.largeChange - 1;
    if (end > l) {
        end = l;
        start = l - bar_.largeChange;
    }
    // The minute rows start at 1, the axis shows them one unit lower.
    const int shift = kind_ == ViewportKind::PerMinute ? 1 : 0;
    axis_ = {static_cast<double>(start - shift), static_cast<double>(end - shift)};
}

void ChartViewport::followChart(double minimum, double maximum) {
    const int l = limit();
    if (kind_ == ViewportKind::PerDay) {
        const int width = std::clamp(roundHalfEven(maximum - minimum), 1, std::max(l, 1));
        checked_.reset();
        for (int entry = 0; entry < zoomEntryCount; ++entry)
            if (entryWidth(entry) == width) checked_ = entry;
        bar_.largeChange = width;
        bar_.enabled = width < l;
        return showDaysFrom(roundHalfEven(minimum + 0.5));
    }
    const int shift = kind_ == ViewportKind::PerMinute ? 1 : 0;
    const int width = std::clamp(roundHalfEven(maximum - minimum), 1, std::max(l, 1));
    const int start = std::clamp(roundHalfEven(minimum) + shift, bar_.minimum, std::max(bar_.minimum, l - width));

    checked_.reset();
    for (int entry = 0; entry < zoomEntryCount; ++entry)
        if (entryWidth(entry) == width) checked_ = entry;
    bar_.largeChange = width;
    bar_.enabled = width < l;
    bar_.value = start;
    axis_ = {static_cast<double>(start - shift), static_cast<double>(start - shift + width)};
}

void ChartViewport::showDaysFrom(int start) {
    const int width = bar_.largeChange;
    bar_.value = std::clamp(start, bar_.minimum, std::max(bar_.minimum, limit() - width + 1));
    axis_ = {bar_.value - 0.5, bar_.value + width - 0.5};
}

}  // namespace varnel::charts
