#include "render/ReportPicture.h"

#include "catalogue/ReportRecipe.h"
#include "charts/ChartControl.h"
#include "render/ReportChartView.h"
#include "render/ReportViewCatalogue.h"

namespace varnel::reportwindows {

std::optional<platform::WriteFailure> writeReportPicture(const reports::BuiltReport& report,
                                                         const reports::ReportInputs& inputs, const QString& path,
                                                         charts::ImageFormat format, QSize size) {
    const ReportWindowDesign& design = render::reportViews(report.kind).window;
    charts::ChartControl chart;
    chart.resize(size);
    presentReportChart(chart, design, catalogue::reportChart(report, inputs), initiallyVisibleSeries(design));
    return chart.writeImage(path, format, size);
}

}  // namespace varnel::reportwindows
