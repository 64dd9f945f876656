// The chart picture of a report for varnel-report: drawn offscreen by the
// report window's chart, as the window first shows it but over the whole axis.
#pragma once

#include <QSize>
#include <optional>

#include "platform/WholeFileWriter.h"
#include "reports/BuiltReport.h"
#include "reports/ImageFormat.h"
#include "reports/ReportInputs.h"

namespace varnel::reportwindows {

std::optional<platform::WriteFailure> writeReportPicture(const reports::BuiltReport& report,
                                                         const reports::ReportInputs& inputs, const QString& path,
                                                         charts::ImageFormat format, QSize size);

}  // namespace varnel::reportwindows
