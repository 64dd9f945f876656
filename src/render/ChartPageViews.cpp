#include "render/ChartPageViews.h"

#include <QBuffer>
#include <QImage>

#include "catalogue/ReportRecipe.h"
#include "charts/ChartControl.h"
#include "render/ReportChartView.h"
#include "render/ReportViewCatalogue.h"
#include "shell/StringTable.h"

namespace varnel::reportpage {

namespace {

// The series the window shows with every direction box ticked and its
// measure as it opens.
std::vector<bool> bothDirections(const reportwindows::ReportWindowDesign& design) {
    std::vector<bool> checks;
    std::vector<bool> options;
    if (const reportwindows::FrameDesign* frame = design.checkFrame()) checks.assign(frame->controls.size(), true);
    if (const reportwindows::FrameDesign* frame = design.optionFrame())
        for (const reportwindows::ControlDesign& control : frame->controls) options.push_back(control.initiallyOn);
    return reportwindows::visibleSeries(design, checks, options);
}

// "header: label, label" of the series shown.
QString description(const reports::ReportChart& data, const std::vector<bool>& visible) {
    QStringList shown;
    for (qsizetype k = 0; k < data.series.size(); ++k)
        if (static_cast<std::size_t>(k) < visible.size() && visible[static_cast<std::size_t>(k)])
            shown << data.series[k].label;
    QString header = data.header;
    header.replace(QStringLiteral("\r\n"), QStringLiteral(" ")).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return shown.isEmpty() ? header.trimmed()
                           : header.trimmed() + QStringLiteral(": ") + shown.join(QStringLiteral(", "));
}

}  // namespace

QString ChartPageViews::heading(reports::ReportKind kind) const {
    return shell::myLoadResString(catalogue::reportEntry(kind).titleId);
}

QString ChartPageViews::tableCaption(reports::ReportKind kind) const {
    return shell::myLoadResString(catalogue::reportEntry(kind).summaryTitleId);
}

summaries::PageChart ChartPageViews::chart(const catalogue::ReportPageReport& report) const {
    const reportwindows::ReportWindowDesign& design = render::reportViews(report.report.kind).window;
    const reports::ReportChart data = catalogue::reportChart(report.report, report.inputs);
    const std::vector<bool> visible = bothDirections(design);
    charts::ChartControl chart;
    chart.resize(chartSize);
    reportwindows::presentReportChart(chart, design, data, visible);

    summaries::PageChart picture;
    picture.width = chartSize.width();
    picture.height = chartSize.height();
    picture.description = description(data, visible);
    QBuffer png(&picture.png);
    png.open(QIODevice::WriteOnly);
    if (!chart.toImage(chartSize).save(&png, "PNG")) picture.png.clear();
    return picture;
}

}  // namespace varnel::reportpage
