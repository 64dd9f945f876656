// Chart2D1, the chart of every report window: the one adapter over the
// plotting library. It offers the operations the report windows hand to a
// chart (batch mode, bars or points, a header, series shown or hidden, the X
// range, value labels, a time axis, writing and painting a picture), takes the
// report's chart data as they are, and reports the user's own zoom and drag
// on the chart so that the window's viewport can follow.
#pragma once

#include <QWidget>
#include <memory>
#include <optional>

#include "platform/WholeFileWriter.h"
#include "reports/ImageFormat.h"
#include "reports/ReportCharts.h"

class QPaintDevice;

namespace varnel::charts {

// A report chart's points made ready for drawing as bars or as points.
// Making them is the long part of showing a large chart and needs no widget,
// so it may be done on any thread; the chart then only takes them over.
class ChartPoints {
public:
    ChartPoints();
    ~ChartPoints();
    ChartPoints(const ChartPoints&);
    ChartPoints& operator=(const ChartPoints&);

private:
    friend class ChartControl;
    struct Series;
    std::shared_ptr<const Series> series_;
    bool bars_ = false;
};

class ChartControl : public QWidget {
    Q_OBJECT
public:
    enum class GroupType { Bars, Points };
    // How the X axis is labelled: plain numbers, the minute row j as the time
    // of minute j - 1 of the day (HH:MM), X as seconds after the chart's time
    // base in a time format, or the chart's own value labels at positions 1
    // to N.
    enum class XLabels { Numbers, MinuteOfDay, TimeOfDay, ValueLabels };

    explicit ChartControl(QWidget* parent = nullptr);
    ~ChartControl() override;

    // While on (it nests), no change redraws; the last off redraws once.
    void setBatchMode(bool on);
    void setGroupType(GroupType type);
    // The header above the chart; a CR LF or LF starts a new line.
    void setHeader(const QString& text, bool visible = true);
    // The series and points, axis titles, value labels and time base of a
    // report chart. A bar of -1 (a minute without data) reaches below zero.
    void setChart(const reports::ReportChart& chart);
    // The same with its points made beforehand for the group type shown.
    void setChart(const reports::ReportChart& chart, const ChartPoints& points);
    static ChartPoints preparePoints(const reports::ReportChart& chart, GroupType type);
    // Series numbered from 1. A hidden series keeps its values.
    void setSeriesVisible(int series, bool visible);
    bool isSeriesVisible(int series) const;
    int seriesCount() const;
    void setXRange(double minimum, double maximum);
    std::pair<double, double> xRange() const;
    // format as "%H:%M:%S" (hours, minutes, seconds); used with TimeOfDay.
    void setXLabels(XLabels labels, const QString& timeFormat = {});
    // Wheel zoom and drag along X while the chart has points;
    // userRangeChanged tells of each change.
    void setUserZoom(bool on);

    // Room for the header, the legend and both axes with their labels and
    // titles whole, around a plotting area as high as the value axis title
    // is long, so that the title stays beside its own axis.
    QSize minimumSizeHint() const override;

    QString headerText() const;
    // The tick labels the X and the Y axis show for the current ranges.
    QStringList xTickLabels() const;
    QStringList yTickLabels() const;
    // What the tooltip says at an X value (and a Y value, which picks among
    // points at the same X): the position and the values of the visible
    // series there; empty where no point is near. Bars ignore y.
    QString pointText(double x, std::optional<double> y = std::nullopt) const;

    // The chart as shown, at its current size or at the given size.
    QImage toImage(QSize size = {});
    // Paints the chart as shown, at its current size (or the given one)
    // scaled by scale, from the device's origin. False when the device
    // cannot be painted on.
    bool paintOn(QPaintDevice& device, double scale, QSize size = {});
    // Writes the chart as shown, at its current size or the given one, whole
    // or not at all.
    std::optional<platform::WriteFailure> writeImage(const QString& path, ImageFormat format, QSize size = {});

signals:
    // The user zoomed or dragged the X axis to this range.
    void userRangeChanged(double minimum, double maximum);

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

}  // namespace varnel::charts
