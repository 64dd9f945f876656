#include "charts/ChartControl.h"

#include <qcustomplot.h>

#include <QBuffer>
#include <QFontMetrics>
#include <QPdfWriter>
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

// The points of one series from the report chart, skipping those with no
// data (no bar in that minute); X is in order already.
template <class Data>
QSharedPointer<QCPDataContainer<Data>> seriesPoints(const reports::ChartSeries& series) {
    QVector<Data> points;
    const qsizetype count = std::min(series.x.size(), series.y.size());
    points.reserve(count);
    for (qsizetype j = 0; j < count; ++j)
        if (series.y[j] >= 0) points.append(Data(series.x[j], series.y[j]));
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
    QSize minimumShown;   // the minimum size last handed to the window's layout
    int batch = 0;
    bool replotWhenShown = false;
    bool settingRange = false;

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
            const QColor colour = colourOf(static_cast<int>(k));
            if (bars) {
                auto* bar = new QCPBars(plot->xAxis, plot->yAxis);
                bar->setPen(Qt::NoPen);
                bar->setBrush(colour);
                bar->setAntialiased(false);
                bar->setData(points.series_->bars[index]);
                plottables.push_back(bar);
            } else {
                QCPGraph* graph = plot->addGraph();
                graph->setLineStyle(QCPGraph::lsNone);
                graph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDot, QPen(colour, 2), Qt::NoBrush, 2));
                graph->setAdaptiveSampling(true);
                graph->setData(points.series_->points[index]);
                plottables.push_back(graph);
            }
            plottables.back()->setName(chart.series[k].label);
        }
        visible.assign(plottables.size(), true);
    }

    // Only the visible bars share a position, each as wide as their number
    // leaves room for; the legend lists only what is shown; the Y axis fits
    // the visible values from zero up.
    void applyVisibility() {
        int shownBars = 0;
        for (std::size_t k = 0; k < plottables.size(); ++k)
            if (visible[k] && qobject_cast<QCPBars*>(plottables[k])) ++shownBars;
        for (std::size_t k = 0; k < plottables.size(); ++k) {
            QCPAbstractPlottable* plottable = plottables[k];
            plottable->setVisible(visible[k]);
            if (auto* bars = qobject_cast<QCPBars*>(plottable)) {
                bars->setBarsGroup(nullptr);
                if (visible[k] && shownBars > 1) bars->setBarsGroup(barsGroup);
            }
            if (QCPPlottableLegendItem* item = plot->legend->itemWithPlottable(plottable))
                plot->legend->removeItem(item);
            if (visible[k]) plottable->addToLegend();
        }
        plot->legend->setVisible(plot->legend->itemCount() > 0);
        // Neighbouring minutes touch; a node's bars leave a gap to the next node.
        barWidth = (labels == XLabels::ValueLabels ? 0.8 : 1.0) / std::max(shownBars, 1);
        fitValueAxis();
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

    // Bars narrower than a pixel (a whole day of minutes on a narrow chart)
    // would fall between the pixels and vanish, peaks and all. Each bar is
    // drawn at least one pixel wide instead, so that where several bars share
    // a pixel the highest of them shows. Runs after every layout, when the
    // width of the plotting area is known.
    void fitBarWidths() {
        const int pixels = plot->axisRect()->width();
        const double onePixel = pixels > 0 ? plot->xAxis->range().size() / pixels : 0;
        for (QCPAbstractPlottable* plottable : plottables)
            if (auto* bars = qobject_cast<QCPBars*>(plottable)) bars->setWidth(std::max(barWidth, onePixel));
    }

    void fitValueAxis() {
        double top = 0;
        bool found = false;
        for (std::size_t k = 0; k < plottables.size(); ++k) {
            if (!visible[k]) continue;
            bool ok = false;
            const QCPRange range = plottables[k]->getValueRange(ok);
            if (ok) {
                top = found ? std::max(top, range.upper) : range.upper;
                found = true;
            }
        }
        plot->yAxis->setRange(0, top > 0 ? top * 1.05 : 1);
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
                QSharedPointer<QCPAxisTickerTime> ticker(new QCPAxisTickerTime);
                QString format = timeFormat.isEmpty() ? QStringLiteral("%H:%M:%S") : timeFormat;
                // The chart's hour, minute and second fields.
                format.replace(QStringLiteral("%H"), QStringLiteral("%h"))
                    .replace(QStringLiteral("%M"), QStringLiteral("%m"))
                    .replace(QStringLiteral("%S"), QStringLiteral("%s"));
                ticker->setTimeFormat(format);
                ticker->setTickCount(8);
                plot->xAxis->setTicker(ticker);
                break;
            }
            case XLabels::ValueLabels: {
                QSharedPointer<QCPAxisTickerText> ticker(new QCPAxisTickerText);
                for (qsizetype i = 0; i < chart.xLabels.size(); ++i)
                    ticker->addTick(static_cast<double>(i + 1), chart.xLabels[i]);
                plot->xAxis->setTicker(ticker);
                break;
            }
        }
        plot->xAxis->setTickLabelRotation(labels == XLabels::ValueLabels ? 45 : 0);
        fitRightMargin();
    }

    // A value label is turned to run down and to the right of its position,
    // so the last one reaches beyond the plotting area; without room there
    // it would not be drawn at all.
    void fitRightMargin() {
        QCPAxisRect* rect = plot->axisRect();
        if (labels != XLabels::ValueLabels || chart.xLabels.isEmpty()) {
            rect->setAutoMargins(QCP::msAll);
            return;
        }
        const QFontMetrics metrics(plot->xAxis->tickLabelFont());
        const double run = (metrics.horizontalAdvance(chart.xLabels.last()) + metrics.height()) * std::sqrt(0.5);
        QMargins margins = rect->margins();
        margins.setRight(static_cast<int>(std::ceil(run)) + metrics.averageCharWidth());
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

QSize ChartControl::minimumSizeHint() const { return d_->plot->plotLayout()->minimumOuterSizeHint(); }

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
    d_->plot->setInteractions(on ? QCP::iRangeDrag | QCP::iRangeZoom : QCP::Interactions());
}

QStringList ChartControl::xTickLabels() const {
    // The tick vectors are laid out by a redraw.
    d_->plot->replot();
    return d_->plot->xAxis->tickVectorLabels().toList();
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
            const double y = chart.series[k].y.value(j);
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
        const QTime time = QTime(0, 0).addSecs(static_cast<int>(xs[best]));
        lines << time.toString(QStringLiteral("HH:mm:ss")) + QStringLiteral("  ") + chart.series[k].label +
                     QStringLiteral(": ") + QString::number(ys[best], 'g', 10);
    }
    return lines.join(QLatin1Char('\n'));
}

QImage ChartControl::toImage(QSize size) {
    if (!size.isValid()) size = d_->plot->size();
    return d_->plot->toPixmap(size.width(), size.height()).toImage();
}

bool ChartControl::paintOn(QPaintDevice& device, double scale, QSize size) {
    if (!size.isValid()) size = d_->plot->size();
    QCPPainter painter;
    if (!painter.begin(&device)) return false;
    painter.setMode(QCPPainter::pmVectorized);
    painter.setMode(QCPPainter::pmNoCaching);
    painter.scale(scale, scale);
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
