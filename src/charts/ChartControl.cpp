#include "charts/ChartControl.h"

#include <qcustomplot.h>

#include <QBuffer>
#include <QFontMetrics>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace varnel::charts {

namespace {

// Series 1 and 3 show one direction (or measure) and 2 and 4 the other, and
// never two of the same colour at once.
const QColor seriesColours[] = {QColor(31, 119, 180), QColor(230, 110, 20), QColor(31, 119, 180), QColor(230, 110, 20)};

QColor colourOf(int index) { return seriesColours[index % std::size(seriesColours)]; }

// Minute row j is minute j - 1 of the day: "HH:MM".
QString minuteLabel(long row) {
    const long minute = row - 1;
    if (minute < 0 || minute > 1440) return {};
    return QStringLiteral("%1:%2").arg(minute / 60, 2, 10, QLatin1Char('0')).arg(minute % 60, 2, 10, QLatin1Char('0'));
}

// The minute row j labelled as the time of minute j - 1 of the day, with
// ticks on whole quarters, hours or multiples of hours.
class MinuteOfDayTicker : public QCPAxisTicker {
public:
    MinuteOfDayTicker() {
        setTickOrigin(1);
        setTickCount(8);
    }

protected:
    double getTickStep(const QCPRange& range) override {
        static constexpr double steps[] = {1, 5, 10, 15, 30, 60, 120, 180, 240, 360, 720};
        const double wanted = range.size() / std::max(tickCount(), 1);
        for (double step : steps)
            if (step >= wanted) return step;
        return 720;
    }
    QString getTickLabel(double tick, const QLocale&, QChar, int) override { return minuteLabel(std::lround(tick)); }
};

// X as seconds after a time base, labelled as the time of day base + X, with
// ticks on whole times of day, as many as the chart's width leaves room for
// side by side (labels of the given width in pixels, at most eight).
class TimeOfDayTicker : public QCPAxisTickerTime {
public:
    TimeOfDayTicker(int base, const QCustomPlot& plot, int labelWidth)
        : base_(base), plot_(plot), labelWidth_(std::max(labelWidth, 1)) {
        setTickOrigin(-base);
    }

protected:
    double getTickStep(const QCPRange& range) override {
        // The chart's whole width less about what the value axis takes.
        const int room = plot_.viewport().width() - 2 * labelWidth_;
        setTickCount(std::clamp(room * 2 / (3 * labelWidth_), 2, 8));
        return QCPAxisTickerTime::getTickStep(range);
    }
    QString getTickLabel(double tick, const QLocale& locale, QChar formatChar, int precision) override {
        return QCPAxisTickerTime::getTickLabel(tick + base_, locale, formatChar, precision);
    }

private:
    int base_;
    const QCustomPlot& plot_;
    int labelWidth_;
};

// The chart's own labels at their positions, turned by 45 degrees; where
// they would overlap (a year of days) only every n-th position is labelled,
// counted from position 1 so that a label keeps its place while scrolling.
class ValueLabelTicker : public QCPAxisTickerText {
public:
    ValueLabelTicker(const QCustomPlot& plot, int labelHeight) : plot_(plot), labelHeight_(std::max(labelHeight, 1)) {}

protected:
    QVector<double> createTickVector(double tickStep, const QCPRange& range) override {
        const QVector<double> all = QCPAxisTickerText::createTickVector(tickStep, range);
        // Ticks are made before the plot is laid out at its new size: the
        // plotting area is the new width less the margins of the last layout.
        const QMargins margins = plot_.axisRect()->margins();
        const int width = std::max(plot_.viewport().width() - margins.left() - margins.right(), 1);
        // Turned labels need about 1.5 times their height between them.
        const double pixelsPerPosition = width / std::max(range.size(), 1.0);
        const auto every = static_cast<long>(std::ceil(labelHeight_ * 1.5 / std::max(pixelsPerPosition, 1e-9)));
        if (every <= 1) return all;
        QVector<double> kept;
        for (double tick : all)
            if ((std::lround(tick) - 1) % every == 0) kept << tick;
        return kept;
    }

private:
    const QCustomPlot& plot_;
    int labelHeight_;
};

// Ticks on whole numbers only, for values that are counts: the step is a
// whole number and the sub-ticks divide it into whole numbers.
class WholeNumberTicker : public QCPAxisTicker {
protected:
    double getTickStep(const QCPRange& range) override {
        const double step = QCPAxisTicker::getTickStep(range);
        if (step <= 1) return 1;
        // 2.5 and its like become the next step of 1, 2 or 5 times a power of ten.
        if (step != std::floor(step)) return std::ceil(step / 5) * 5;
        return step;
    }
    int getSubTickCount(double tickStep) override {
        const int count = QCPAxisTicker::getSubTickCount(tickStep);
        return std::fmod(tickStep, count + 1) == 0 ? count : 0;
    }
};

// The filled outline of bars over pixel columns from first on: along the
// tops (pixel rows) from left to right, back along the bottoms; a run of
// columns at one row is one edge.
QPolygonF columnOutline(int first, const std::vector<double>& top, const std::vector<double>& bottom) {
    const std::size_t count = top.size();
    QPolygonF outline;
    for (std::size_t c = 0; c < count; ++c) {
        const double x = first + static_cast<double>(c);
        if (c == 0 || top[c] != top[c - 1]) outline << QPointF(x, top[c]);
        if (c + 1 == count || top[c] != top[c + 1]) outline << QPointF(x + 1, top[c]);
    }
    for (std::size_t c = count; c-- > 0;) {
        const double x = first + static_cast<double>(c);
        if (c + 1 == count || bottom[c] != bottom[c + 1]) outline << QPointF(x + 1, bottom[c]);
        if (c == 0 || bottom[c] != bottom[c - 1]) outline << QPointF(x, bottom[c]);
    }
    return outline;
}

// Bars drawn over whole pixel columns as one filled outline per series:
// every bar covers at least one column and neighbouring bars meet on a shared
// column edge, so bars tile without gaps or moire at any size, and a column
// that several bars share (a whole day on a narrow chart) reaches the highest
// and the lowest of them, so that no peak falls between the pixels. One
// outline also leaves no seams between bars in a PDF viewer.
//
// Series at the same positions are drawn with the taller bar of a column
// behind the shorter one: a series keeps clear of the columns of the series
// drawn before it where those are shorter, so both stay visible. Bars of a
// group, side by side, are drawn as the library draws them.
class ColumnBars : public QCPBars {
public:
    using QCPBars::QCPBars;

    void setDrawnBefore(std::vector<ColumnBars*> series) { drawnBefore_ = std::move(series); }

protected:
    void draw(QCPPainter* painter) override {
        if (barsGroup() || !keyAxis() || !valueAxis()) {
            QCPBars::draw(painter);
            return;
        }
        Columns own = columns();
        if (own.top.empty()) return;
        std::vector<Columns> before;
        for (const ColumnBars* series : drawnBefore_)
            if (series->visible()) before.push_back(series->columns());
        // Pixel rows grow downwards: above the base a taller bar has a
        // smaller top, below it a larger bottom.
        std::vector<double> aboveTo(own.top.size(), own.base);
        std::vector<double> belowFrom(own.top.size(), own.base);
        for (std::size_t c = 0; c < own.top.size(); ++c)
            for (const Columns& other : before)
                if (other.top.size() == own.top.size()) {
                    if (other.top[c] > own.top[c] && other.top[c] < aboveTo[c]) aboveTo[c] = other.top[c];
                    if (other.bottom[c] < own.bottom[c] && other.bottom[c] > belowFrom[c])
                        belowFrom[c] = other.bottom[c];
                }
        applyDefaultAntialiasingHint(painter);
        painter->setPen(Qt::NoPen);
        painter->setBrush(brush());
        painter->drawPolygon(columnOutline(own.first, own.top, aboveTo));
        painter->drawPolygon(columnOutline(own.first, belowFrom, own.bottom));
    }

private:
    // The pixel rows the bars reach in each pixel column of the plotting
    // area; the base row where no bar is.
    struct Columns {
        int first = 0;
        double base = 0;
        std::vector<double> top;
        std::vector<double> bottom;
    };

    Columns columns() const {
        Columns result;
        QCPBarsDataContainer::const_iterator begin;
        QCPBarsDataContainer::const_iterator end;
        getVisibleDataBounds(begin, end);
        const QRect area = keyAxis()->axisRect()->rect();
        // A chart too small for its axes leaves no plotting area to fill.
        if (begin == end || area.width() <= 0) return result;
        result.first = area.left();
        result.base = valueAxis()->coordToPixel(baseValue());
        const int count = area.width() + 1;
        result.top.assign(static_cast<std::size_t>(count), result.base);
        result.bottom.assign(static_cast<std::size_t>(count), result.base);
        for (auto it = begin; it != end; ++it) {
            int left = static_cast<int>(std::lround(keyAxis()->coordToPixel(it->key - width() / 2)));
            int right = static_cast<int>(std::lround(keyAxis()->coordToPixel(it->key + width() / 2)));
            if (right <= left) right = left + 1;
            left = std::max(left, result.first);
            right = std::min(right, result.first + count);
            const double value = valueAxis()->coordToPixel(baseValue() + it->value);
            for (int x = left; x < right; ++x) {
                const auto column = static_cast<std::size_t>(x - result.first);
                result.top[column] = std::min(result.top[column], value);
                result.bottom[column] = std::max(result.bottom[column], value);
            }
        }
        return result;
    }

    std::vector<ColumnBars*> drawnBefore_;
};

// Room in pixels around the plotting area of a points chart, so that a point
// on its edge (the last delivery, a wait of 0 seconds) is drawn whole, clear
// of the axis lines.
constexpr int pointRoom = 3;
// The library's tick lengths in pixels.
constexpr int tickLength = 5;
constexpr int subTickLength = 2;

// Points drawn whole up to pointRoom pixels beyond the plotting area.
class EdgeGraph : public QCPGraph {
public:
    using QCPGraph::QCPGraph;

protected:
    QRect clipRect() const override {
        return QCPGraph::clipRect().adjusted(-pointRoom, -pointRoom, pointRoom, pointRoom);
    }
};

// The points of one series from the report chart, those with no data (-1)
// included; X is in order already.
template <class Data>
QSharedPointer<QCPDataContainer<Data>> seriesPoints(const reports::ChartSeries& series) {
    QVector<Data> points;
    const qsizetype count = std::min(series.x.size(), series.y.size());
    points.reserve(count);
    for (qsizetype j = 0; j < count; ++j) points.append(Data(series.x[j], series.y[j]));
    auto container = QSharedPointer<QCPDataContainer<Data>>::create();
    container->set(points, true);
    return container;
}

QString withNewLines(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

}  // namespace

struct ChartPoints::Series {
    std::vector<QSharedPointer<QCPGraphDataContainer>> points;
    std::vector<QSharedPointer<QCPBarsDataContainer>> bars;
};

ChartPoints::ChartPoints() = default;
ChartPoints::~ChartPoints() = default;
ChartPoints::ChartPoints(const ChartPoints&) = default;
ChartPoints& ChartPoints::operator=(const ChartPoints&) = default;

ChartPoints ChartControl::preparePoints(const reports::ReportChart& chart, GroupType type) {
    auto series = std::make_shared<ChartPoints::Series>();
    for (const reports::ChartSeries& one : chart.series) {
        if (type == GroupType::Bars)
            series->bars.push_back(seriesPoints<QCPBarsData>(one));
        else
            series->points.push_back(seriesPoints<QCPGraphData>(one));
    }
    ChartPoints prepared;
    prepared.series_ = std::move(series);
    prepared.bars_ = type == GroupType::Bars;
    return prepared;
}

struct ChartControl::Impl {
    QCustomPlot* plot = nullptr;
    QCPTextElement* header = nullptr;
    QCPBarsGroup* barsGroup = nullptr;
    GroupType type = GroupType::Bars;
    XLabels labels = XLabels::Numbers;
    QString timeFormat;
    reports::ReportChart chart;
    ChartPoints points;  // of chart, for the group type shown
    std::vector<QCPAbstractPlottable*> plottables;
    std::vector<bool> visible;
    double barWidth = 1;  // in X units, before fitBarWidths
    int shownBars = 0;
    QSize minimumShown;  // the minimum size last handed to the window's layout
    int batch = 0;
    bool replotWhenShown = false;
    bool settingRange = false;
    bool userZoom = false;
    bool wholeValueTicks = false;
    bool wholeRightTicks = false;
    QMargins ownMinimumMargins;  // the plotting area's own minimum margins

    // Bars at labelled positions (the nodes) stand side by side; bars over
    // the minutes of the day share their position.
    bool barsSideBySide() const { return labels == XLabels::ValueLabels; }

    bool hasPoints() const {
        return std::any_of(chart.series.begin(), chart.series.end(),
                           [](const reports::ChartSeries& series) { return !series.x.isEmpty(); });
    }

    // Wheel and drag move the X axis only where there is something to see:
    // on a chart without points they would narrow the axis to nothing.
    void applyInteractions() {
        plot->setInteractions(userZoom && hasPoints() ? QCP::iRangeDrag | QCP::iRangeZoom : QCP::Interactions());
    }

    // A hidden chart is drawn once it is shown: a window fills its chart
    // before it first shows, at a size its layout has yet to set.
    void replot() {
        if (batch > 0) return;
        if (plot->isVisible())
            plot->replot();
        else
            replotWhenShown = true;
    }

    // The plottables share the prepared points, made here when they are
    // missing or were made for the other group type.
    void rebuildPlottables() {
        for (QCPAbstractPlottable* plottable : plottables) plot->removePlottable(plottable);
        plottables.clear();
        const bool bars = type == GroupType::Bars;
        const auto prepared = [&] {
            if (!points.series_ || points.bars_ != bars) return std::size_t{0};
            return bars ? points.series_->bars.size() : points.series_->points.size();
        };
        if (prepared() != static_cast<std::size_t>(chart.series.size())) points = preparePoints(chart, type);
        for (qsizetype k = 0; k < chart.series.size(); ++k) {
            const auto index = static_cast<std::size_t>(k);
            const std::optional<std::uint32_t> own = chart.series[k].rgb;
            const QColor colour = own ? QColor::fromRgb(*own) : colourOf(static_cast<int>(k));
            if (bars) {
                auto* bar = new ColumnBars(plot->xAxis, plot->yAxis);
                bar->setPen(Qt::NoPen);
                bar->setBrush(colour);
                bar->setAntialiased(false);
                bar->setData(points.series_->bars[index]);
                plottables.push_back(bar);
            } else {
                auto* graph = new EdgeGraph(plot->xAxis, plot->yAxis);
                graph->setLineStyle(QCPGraph::lsNone);
                graph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDot, QPen(colour, 2), Qt::NoBrush, 2));
                graph->setAdaptiveSampling(true);
                graph->setAntialiasedScatters(false);
                graph->setData(points.series_->points[index]);
                plottables.push_back(graph);
            }
            plottables.back()->setName(chart.series[k].label);
        }
        visible.assign(plottables.size(), true);
        // The axis lines stand off a points chart's plotting area and their
        // ticks point away from it, leaving room for the points on its edges.
        for (QCPAxis* axis : {plot->xAxis, plot->yAxis}) {
            axis->setOffset(bars ? 0 : pointRoom);
            axis->setTickLength(bars ? tickLength : 0, bars ? 0 : tickLength);
            axis->setSubTickLength(bars ? subTickLength : 0, bars ? 0 : subTickLength);
        }
        applyInteractions();
    }

    // The visible bars of a node stand side by side, each as wide as their
    // number leaves room for; the visible bars of a minute share its
    // position, the taller behind. The legend lists only what is shown; the
    // Y axis fits the visible values.
    void applyVisibility() {
        shownBars = 0;
        for (std::size_t k = 0; k < plottables.size(); ++k)
            if (visible[k] && qobject_cast<QCPBars*>(plottables[k])) ++shownBars;
        groupBars(shownBars > 1 && barsSideBySide());
        std::vector<ColumnBars*> drawnBefore;
        for (std::size_t k = 0; k < plottables.size(); ++k) {
            QCPAbstractPlottable* plottable = plottables[k];
            plottable->setVisible(visible[k]);
            if (auto* bars = dynamic_cast<ColumnBars*>(plottable)) {
                bars->setDrawnBefore(drawnBefore);
                if (visible[k]) drawnBefore.push_back(bars);
            }
            if (QCPPlottableLegendItem* item = plot->legend->itemWithPlottable(plottable))
                plot->legend->removeItem(item);
            if (visible[k]) plottable->addToLegend();
        }
        plot->legend->setVisible(plot->legend->itemCount() > 0);
        // Neighbouring minutes touch; a node's bars leave a gap to the next node.
        barWidth = barsSideBySide() ? 0.8 / std::max(shownBars, 1) : 1.0;
        applyUnits();
        fitValueAxis(plot->yAxis);
        if (plot->yAxis2->visible()) fitValueAxis(plot->yAxis2);
    }

    // Series that count different things: the shown series of the first
    // unit go on the left axis, the others on the right, each axis titled
    // with its units.
    void applyUnits() {
        QStringList shownUnits;
        for (std::size_t k = 0; k < plottables.size(); ++k) {
            const QString& unit = chart.series[static_cast<qsizetype>(k)].unit;
            if (visible[k] && !unit.isEmpty() && !shownUnits.contains(unit)) shownUnits << unit;
        }
        for (std::size_t k = 0; k < plottables.size(); ++k) {
            const QString& unit = chart.series[static_cast<qsizetype>(k)].unit;
            const bool right = shownUnits.size() > 1 && !unit.isEmpty() && unit != shownUnits.first();
            plottables[k]->setValueAxis(right ? plot->yAxis2 : plot->yAxis);
        }
        plot->yAxis->setLabel(shownUnits.isEmpty() ? chart.yTitle : shownUnits.first());
        plot->yAxis2->setVisible(shownUnits.size() > 1);
        plot->yAxis2->setLabel(shownUnits.mid(1).join(QStringLiteral(" / ")));
        fitRightMargin();
    }

    // What the chart shows, for assistive technology: the value axis over
    // the position axis, and the series shown.
    QString description() const {
        QStringList shown;
        for (std::size_t k = 0; k < plottables.size(); ++k)
            if (visible[k]) shown << plottables[k]->name();
        return QStringLiteral("%1 over %2: %3")
            .arg(chart.yTitle, chart.xTitle, shown.isEmpty() ? QStringLiteral("no series shown") : shown.join("; "));
    }

    // The visible bars stand side by side in their position, or share it.
    void groupBars(bool sideBySide) {
        for (std::size_t k = 0; k < plottables.size(); ++k)
            if (auto* bars = qobject_cast<QCPBars*>(plottables[k]))
                bars->setBarsGroup(sideBySide && visible[k] ? barsGroup : nullptr);
    }

    // Bars narrower than a pixel (a whole day of minutes on a narrow chart)
    // would fall between the pixels and vanish, peaks and all. Each bar is
    // drawn at least one pixel wide instead, so that where several bars share
    // a pixel the highest of them shows. Bars side by side narrower than two
    // pixels each (a year of days) would blur into stripes of the series
    // drawn last: they share their position instead, the taller behind.
    // Runs after every layout, when the width of the plotting area is known.
    void fitBarWidths() {
        const int pixels = plot->axisRect()->width();
        const double onePixel = pixels > 0 ? plot->xAxis->range().size() / pixels : 0;
        const bool crowded = shownBars > 1 && barsSideBySide() && barWidth < 2 * onePixel;
        groupBars(shownBars > 1 && barsSideBySide() && !crowded);
        for (QCPAbstractPlottable* plottable : plottables)
            if (auto* bars = qobject_cast<QCPBars*>(plottable))
                bars->setWidth(std::max(crowded ? 1.0 : barWidth, onePixel));
    }

    // From zero, or the lowest value below it (the -1 of a minute without
    // data), to a little above the highest visible value; ticks on whole
    // numbers where every visible value is one (counts of messages, ports,
    // NDNs; the whole megabytes of the queues).
    void fitValueAxis(QCPAxis* axis) {
        double top = 0;
        double bottom = 0;
        bool whole = true;
        for (std::size_t k = 0; k < plottables.size(); ++k) {
            if (!visible[k] || plottables[k]->valueAxis() != axis) continue;
            bool ok = false;
            const QCPRange range = plottables[k]->getValueRange(ok);
            if (ok) {
                top = std::max(top, range.upper);
                bottom = std::min(bottom, range.lower);
            }
            const QVector<double>& values = chart.series[static_cast<qsizetype>(k)].y;
            whole = whole && std::all_of(values.begin(), values.end(), [](double y) { return y == std::floor(y); });
        }
        if (top <= 0) top = 1;
        axis->setRange(bottom < 0 ? bottom - (top - bottom) * 0.01 : 0, top * 1.05);
        bool& wholeTicks = axis == plot->yAxis ? wholeValueTicks : wholeRightTicks;
        if (whole != wholeTicks) {
            wholeTicks = whole;
            axis->setTicker(whole ? QSharedPointer<QCPAxisTicker>(new WholeNumberTicker)
                                  : QSharedPointer<QCPAxisTicker>(new QCPAxisTicker));
        }
    }

    void applyLabels() {
        switch (labels) {
            case XLabels::Numbers:
                plot->xAxis->setTicker(QSharedPointer<QCPAxisTicker>(new QCPAxisTicker));
                break;
            case XLabels::MinuteOfDay:
                plot->xAxis->setTicker(QSharedPointer<QCPAxisTicker>(new MinuteOfDayTicker));
                break;
            case XLabels::TimeOfDay: {
                QString format = timeFormat.isEmpty() ? QStringLiteral("%H:%M:%S") : timeFormat;
                const int labelWidth = QFontMetrics(plot->xAxis->tickLabelFont())
                                           .horizontalAdvance(QString(format).replace(
                                               QRegularExpression(QStringLiteral("%.")), QStringLiteral("00")));
                QSharedPointer<QCPAxisTickerTime> ticker(new TimeOfDayTicker(chart.xTimeBase, *plot, labelWidth));
                // The chart's hour, minute and second fields.
                format.replace(QStringLiteral("%H"), QStringLiteral("%h"))
                    .replace(QStringLiteral("%M"), QStringLiteral("%m"))
                    .replace(QStringLiteral("%S"), QStringLiteral("%s"));
                ticker->setTimeFormat(format);
                plot->xAxis->setTicker(ticker);
                break;
            }
            case XLabels::ValueLabels: {
                QSharedPointer<QCPAxisTickerText> ticker(
                    new ValueLabelTicker(*plot, QFontMetrics(plot->xAxis->tickLabelFont()).height()));
                for (qsizetype i = 0; i < chart.xLabels.size(); ++i)
                    ticker->addTick(static_cast<double>(i + 1), chart.xLabels[i]);
                plot->xAxis->setTicker(ticker);
                break;
            }
        }
        plot->xAxis->setTickLabelRotation(labels == XLabels::ValueLabels ? 45 : 0);
        fitRightMargin();
    }

    // The legend's entries side by side in as many columns as the width
    // leaves room for, the rest in rows below, so that no entry is cut
    // short; a legend that fits one row is left as it is.
    void fitLegend(int width) {
        QCPLegend* legend = plot->legend;
        std::vector<int> widths;
        for (int i = 0; i < legend->elementCount(); ++i)
            if (QCPLayoutElement* entry = legend->elementAt(i)) widths.push_back(entry->minimumOuterSizeHint().width());
        const int count = static_cast<int>(widths.size());
        const int room = width - legend->margins().left() - legend->margins().right();
        int columns = count;
        for (; columns > 1; --columns) {
            int needed = (columns - 1) * legend->columnSpacing();
            for (int c = 0; c < columns; ++c) {
                int widest = 0;
                for (int i = c; i < count; i += columns) widest = std::max(widest, widths[static_cast<std::size_t>(i)]);
                needed += widest;
            }
            if (needed <= room) break;
        }
        const int wrap = columns < count ? columns : 0;
        if (wrap == 0 && legend->wrap() == 0 && legend->rowCount() <= 1) return;
        legend->setWrap(wrap);
        legend->setFillOrder(QCPLayoutGrid::foColumnsFirst, true);
    }

    // What the plot needs at least, with the legend as narrow as its widest
    // entry: it wraps its entries to the width it gets.
    QSize minimumSize() const {
        QSize size = plot->plotLayout()->minimumOuterSizeHint();
        if (!plot->legend->visible()) return size;
        int width = 0;
        for (int i = 0; i < plot->legend->elementCount(); ++i)
            if (QCPLayoutElement* entry = plot->legend->elementAt(i))
                width = std::max(width, entry->minimumOuterSizeHint().width());
        width += plot->legend->margins().left() + plot->legend->margins().right();
        for (const QCPLayoutElement* element : std::initializer_list<const QCPLayoutElement*>{header, plot->axisRect()})
            if (element->visible()) width = std::max(width, element->minimumOuterSizeHint().width());
        size.setWidth(std::min(size.width(), width));
        return size;
    }

    // A value label is turned to run down and to the right of its position,
    // so the last one reaches beyond the plotting area; without room there
    // it would not be drawn at all. A right axis shown takes the room its
    // tick labels and title need, and at least what that label needs.
    void fitRightMargin() {
        QCPAxisRect* rect = plot->axisRect();
        rect->setMinimumMargins(ownMinimumMargins);
        if (labels != XLabels::ValueLabels || chart.xLabels.isEmpty()) {
            rect->setAutoMargins(QCP::msAll);
            return;
        }
        const QFontMetrics metrics(plot->xAxis->tickLabelFont());
        const double run = (metrics.horizontalAdvance(chart.xLabels.last()) + metrics.height()) * std::sqrt(0.5);
        const int lastLabelRoom = static_cast<int>(std::ceil(run)) + metrics.averageCharWidth();
        if (plot->yAxis2->visible()) {
            rect->setAutoMargins(QCP::msAll);
            QMargins least = ownMinimumMargins;
            least.setRight(std::max(least.right(), lastLabelRoom));
            rect->setMinimumMargins(least);
            return;
        }
        QMargins margins = rect->margins();
        margins.setRight(lastLabelRoom);
        rect->setAutoMargins(QCP::msLeft | QCP::msTop | QCP::msBottom);
        rect->setMargins(margins);
    }
};

ChartControl::ChartControl(QWidget* parent) : QWidget(parent), d_(std::make_unique<Impl>()) {
    setObjectName(QStringLiteral("Chart2D1"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    d_->plot = new QCustomPlot(this);
    layout->addWidget(d_->plot);
    setFocusProxy(d_->plot);
    d_->plot->setMouseTracking(true);
    d_->plot->setBackground(Qt::white);

    QFont headerFont = font();
    headerFont.setPointSizeF(headerFont.pointSizeF() * 1.25);
    headerFont.setBold(true);
    d_->plot->plotLayout()->insertRow(0);
    d_->header = new QCPTextElement(d_->plot, QString(), headerFont);
    d_->plot->plotLayout()->addElement(0, 0, d_->header);

    // The legend goes under the chart, its entries side by side.
    d_->plot->axisRect()->insetLayout()->take(d_->plot->legend);
    d_->plot->plotLayout()->addElement(2, 0, d_->plot->legend);
    d_->plot->plotLayout()->setRowStretchFactor(2, 0.001);
    d_->plot->legend->setFillOrder(QCPLayoutGrid::foColumnsFirst);
    d_->plot->legend->setBorderPen(Qt::NoPen);
    d_->plot->legend->setMargins(QMargins(4, 0, 4, 2));
    d_->plot->legend->setVisible(false);
    d_->barsGroup = new QCPBarsGroup(d_->plot);
    d_->barsGroup->setSpacingType(QCPBarsGroup::stAbsolute);
    d_->barsGroup->setSpacing(0);
    d_->plot->axisRect()->setRangeDrag(Qt::Horizontal);
    d_->plot->axisRect()->setRangeZoom(Qt::Horizontal);
    d_->ownMinimumMargins = d_->plot->axisRect()->minimumMargins();

    connect(d_->plot->xAxis, qOverload<const QCPRange&>(&QCPAxis::rangeChanged), this, [this](const QCPRange& range) {
        if (!d_->settingRange) emit userRangeChanged(range.lower, range.upper);
    });
    connect(d_->plot, &QCustomPlot::afterLayout, this, [this] {
        d_->fitBarWidths();
        // The room the axes need is known once they are laid out.
        if (minimumSizeHint() != d_->minimumShown) {
            d_->minimumShown = minimumSizeHint();
            updateGeometry();
        }
    });
    connect(d_->plot, &QCustomPlot::beforeReplot, this, [this] { d_->fitLegend(d_->plot->viewport().width()); });
    connect(d_->plot, &QCustomPlot::afterReplot, this, [this] { d_->replotWhenShown = false; });
    connect(d_->plot, &QCustomPlot::mouseMove, this, [this](QMouseEvent* event) {
        const QString text = pointText(d_->plot->xAxis->pixelToCoord(event->position().x()),
                                       d_->plot->yAxis->pixelToCoord(event->position().y()));
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(event->globalPosition().toPoint(), text, d_->plot);
    });
}

ChartControl::~ChartControl() = default;

void ChartControl::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Unless the plot has drawn itself for its new size already.
    if (d_->replotWhenShown) d_->plot->replot();
}

void ChartControl::setBatchMode(bool on) {
    d_->batch = std::max(0, d_->batch + (on ? 1 : -1));
    d_->replot();
}

void ChartControl::setGroupType(GroupType type) {
    if (type == d_->type) return;
    d_->type = type;
    d_->rebuildPlottables();
    d_->applyVisibility();
    setAccessibleDescription(d_->description());
    d_->replot();
}

void ChartControl::setHeader(const QString& text, bool visible) {
    d_->header->setText(withNewLines(text));
    d_->header->setVisible(visible);
    setAccessibleName(withNewLines(text).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    d_->replot();
}

QString ChartControl::headerText() const { return d_->header->text(); }

void ChartControl::setChart(const reports::ReportChart& chart) { setChart(chart, ChartPoints()); }

void ChartControl::setChart(const reports::ReportChart& chart, const ChartPoints& points) {
    d_->chart = chart;
    d_->points = points;
    d_->plot->xAxis->setLabel(chart.xTitle);
    d_->plot->yAxis->setLabel(chart.yTitle);
    // The plotting area is at least as high as the value axis title is long,
    // and a few lines high for a short one.
    const QFontMetrics titleMetrics(d_->plot->yAxis->labelFont());
    d_->plot->axisRect()->setMinimumSize(
        titleMetrics.averageCharWidth() * 12,
        std::max(titleMetrics.horizontalAdvance(chart.yTitle), titleMetrics.height() * 6));
    d_->rebuildPlottables();
    d_->applyLabels();
    d_->applyVisibility();
    setAccessibleDescription(d_->description());
    d_->replot();
}

void ChartControl::setSeriesVisible(int series, bool visible) {
    const auto index = static_cast<std::size_t>(series - 1);
    if (series < 1 || index >= d_->visible.size()) return;
    d_->visible[index] = visible;
    d_->applyVisibility();
    setAccessibleDescription(d_->description());
    d_->replot();
}

QSize ChartControl::minimumSizeHint() const { return d_->minimumSize(); }

bool ChartControl::isSeriesVisible(int series) const {
    const auto index = static_cast<std::size_t>(series - 1);
    return series >= 1 && index < d_->visible.size() && d_->visible[index];
}

int ChartControl::seriesCount() const { return static_cast<int>(d_->plottables.size()); }

void ChartControl::setXRange(double minimum, double maximum) {
    d_->settingRange = true;
    d_->plot->xAxis->setRange(minimum, maximum);
    d_->settingRange = false;
    d_->replot();
}

std::pair<double, double> ChartControl::xRange() const {
    return {d_->plot->xAxis->range().lower, d_->plot->xAxis->range().upper};
}

void ChartControl::setXLabels(XLabels labels, const QString& timeFormat) {
    d_->labels = labels;
    d_->timeFormat = timeFormat;
    d_->applyLabels();
    d_->replot();
}

void ChartControl::setUserZoom(bool on) {
    d_->userZoom = on;
    d_->applyInteractions();
}

QStringList ChartControl::xTickLabels() const {
    // The tick vectors are laid out by a redraw.
    d_->plot->replot();
    return d_->plot->xAxis->tickVectorLabels().toList();
}

QStringList ChartControl::yTickLabels() const {
    d_->plot->replot();
    return d_->plot->yAxis->tickVectorLabels().toList();
}

QStringList ChartControl::valueAxisTitles() const {
    QStringList titles{d_->plot->yAxis->label()};
    if (d_->plot->yAxis2->visible()) titles << d_->plot->yAxis2->label();
    return titles;
}

QString ChartControl::pointText(double x, std::optional<double> y) const {
    const reports::ReportChart& chart = d_->chart;
    if (chart.series.isEmpty()) return {};
    QStringList lines;
    if (d_->type == GroupType::Bars) {
        const long position = std::lround(x);
        const qsizetype j = position - 1;
        if (j < 0 || j >= chart.series.first().x.size()) return {};
        if (d_->labels == XLabels::ValueLabels && j < chart.xLabels.size())
            lines << chart.xLabels[j];
        else if (d_->labels == XLabels::MinuteOfDay)
            lines << minuteLabel(position);
        else
            lines << QString::number(position);
        for (qsizetype k = 0; k < chart.series.size(); ++k) {
            if (!d_->visible[static_cast<std::size_t>(k)]) continue;
            // A series may leave out positions where it has no value.
            const QVector<double>& xs = chart.series[k].x;
            const auto at = std::lower_bound(xs.begin(), xs.end(), static_cast<double>(position));
            const double y = at != xs.end() && *at == position ? chart.series[k].y.value(at - xs.begin()) : -1;
            lines << chart.series[k].label + QStringLiteral(": ") +
                         (y < 0 ? QStringLiteral("no data") : QString::number(y, 'g', 10));
        }
        return lines.size() > 1 ? lines.join(QLatin1Char('\n')) : QString();
    }
    // Points: of each visible series the point nearest on screen within a
    // few pixels; with no y, the nearest along X. Many messages share a
    // delivery time, so the height tells them apart.
    constexpr double reach = 6;  // pixels
    const QCPAxis* xAxis = d_->plot->xAxis;
    const QCPAxis* yAxis = d_->plot->yAxis;
    const double xReach = std::abs(xAxis->pixelToCoord(reach) - xAxis->pixelToCoord(0));
    for (qsizetype k = 0; k < chart.series.size(); ++k) {
        if (!d_->visible[static_cast<std::size_t>(k)]) continue;
        const QVector<double>& xs = chart.series[k].x;
        const QVector<double>& ys = chart.series[k].y;
        const auto first = std::lower_bound(xs.begin(), xs.end(), x - xReach);
        const auto last = std::upper_bound(first, xs.end(), x + xReach);
        qsizetype best = -1;
        double bestDistance = 0;
        for (auto at = first; at != last; ++at) {
            const qsizetype j = at - xs.begin();
            const double dx = xAxis->coordToPixel(*at) - xAxis->coordToPixel(x);
            const double dy = y ? yAxis->coordToPixel(ys[j]) - yAxis->coordToPixel(*y) : 0.0;
            const double distance = dx * dx + dy * dy;
            if (distance <= reach * reach && (best < 0 || distance < bestDistance)) {
                best = j;
                bestDistance = distance;
            }
        }
        if (best < 0) continue;
        const QTime time = QTime(0, 0).addSecs(chart.xTimeBase + static_cast<int>(xs[best]));
        lines << time.toString(QStringLiteral("HH:mm:ss")) + QStringLiteral("  ") + chart.series[k].label +
                     QStringLiteral(": ") + QString::number(ys[best], 'g', 10);
    }
    return lines.join(QLatin1Char('\n'));
}

QImage ChartControl::toImage(QSize size) {
    if (!size.isValid()) size = d_->plot->size();
    d_->fitLegend(size.width());
    return d_->plot->toPixmap(size.width(), size.height()).toImage();
}

bool ChartControl::paintOn(QPaintDevice& device, double scale, QSize size) {
    if (!size.isValid()) size = d_->plot->size();
    QCPPainter painter;
    if (!painter.begin(&device)) return false;
    painter.setMode(QCPPainter::pmVectorized);
    painter.setMode(QCPPainter::pmNoCaching);
    painter.scale(scale, scale);
    d_->fitLegend(size.width());
    d_->plot->toPainter(&painter, size.width(), size.height());
    return painter.end();
}

std::optional<platform::WriteFailure> ChartControl::writeImage(const QString& path, ImageFormat format, QSize size) {
    if (!size.isValid()) size = d_->plot->size();
    return platform::writeWholeFile(path, [&](QIODevice& out) {
        if (format == ImageFormat::Pdf) {
            QPdfWriter pdf(&out);
            pdf.setResolution(96);
            pdf.setPageSize(QPageSize(QSizeF(size.width(), size.height()) * 72.0 / 96.0, QPageSize::Point));
            pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
            return paintOn(pdf, pdf.width() / static_cast<double>(size.width()), size);
        }
        return toImage(size).save(&out, format == ImageFormat::Bmp ? "BMP" : "PNG");
    });
}

}  // namespace varnel::charts
