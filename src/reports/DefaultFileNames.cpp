#include "reports/DefaultFileNames.h"

namespace varnel::reports {

QString reportDateSuffix(const store::StoredTime& reportDate) {
    return QStringLiteral("_%1_%2_%3").arg(reportDate.month).arg(reportDate.day).arg(reportDate.year);
}

QString summaryCsvFileName(ReportKind kind, const store::StoredTime& reportDate) {
    return fileBaseName(kind) + QStringLiteral("Summary") + reportDateSuffix(reportDate) + QStringLiteral(".csv");
}

QString chartFileName(ReportKind kind, const store::StoredTime& reportDate, const QString& extension) {
    return fileBaseName(kind) + QStringLiteral("Graph") + reportDateSuffix(reportDate) + QLatin1Char('.') + extension;
}

}  // namespace varnel::reports
