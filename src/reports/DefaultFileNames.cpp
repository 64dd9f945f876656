#include "reports/DefaultFileNames.h"

#include <QRegularExpression>

namespace varnel::reports {

namespace {

// stem + the date suffix of any date + "." + extension.
bool isDatedName(const QString& fileName, const QString& stem, const QString& extension) {
    const QRegularExpression name(QStringLiteral("^%1_\\d+_\\d+_\\d+\\.%2$")
                                      .arg(QRegularExpression::escape(stem), QRegularExpression::escape(extension)),
                                  QRegularExpression::CaseInsensitiveOption);
    return name.match(fileName).hasMatch();
}

QString summaryStem(ReportKind kind) { return fileBaseName(kind) + QStringLiteral("Summary"); }
QString chartStem(ReportKind kind) { return fileBaseName(kind) + QStringLiteral("Graph"); }

}  // namespace

QString reportDateSuffix(const store::StoredTime& reportDate) {
    return QStringLiteral("_%1_%2_%3").arg(reportDate.month).arg(reportDate.day).arg(reportDate.year);
}

QString summaryCsvFileName(ReportKind kind, const store::StoredTime& reportDate) {
    return summaryStem(kind) + reportDateSuffix(reportDate) + QStringLiteral(".csv");
}

QString chartFileName(ReportKind kind, const store::StoredTime& reportDate, const QString& extension) {
    return chartStem(kind) + reportDateSuffix(reportDate) + QLatin1Char('.') + extension;
}

bool isSummaryCsvFileName(ReportKind kind, const QString& fileName) {
    return isDatedName(fileName, summaryStem(kind), QStringLiteral("csv"));
}

bool isChartFileName(ReportKind kind, const QString& fileName, const QString& extension) {
    return isDatedName(fileName, chartStem(kind), extension);
}

}  // namespace varnel::reports
