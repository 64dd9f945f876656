// What the windows give the report page: each report's heading and table
// caption (the captions of its report and summary windows) and its chart,
// drawn offscreen by the report window's chart with both directions shown,
// as a PNG picture.
#pragma once

#include <QSize>

#include "catalogue/ReportPage.h"

namespace varnel::reportpage {

class ChartPageViews : public catalogue::ReportPageViews {
public:
    // Size of the chart pictures in pixels.
    static constexpr QSize chartSize{1100, 520};

    QString heading(reports::ReportKind kind) const override;
    QString tableCaption(reports::ReportKind kind) const override;
    summaries::PageChart chart(const catalogue::ReportPageReport& report) const override;
};

}  // namespace varnel::reportpage
