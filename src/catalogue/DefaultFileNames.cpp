#include "catalogue/DefaultFileNames.h"

#include <QRegularExpression>

#include "catalogue/ReportCatalogue.h"

namespace varnel::catalogue {

namespace {

// stem + the date suffix of any date + "." + extension.
bool isDatedName(const QString& fileName, const QString& stem, const QString& extension) {
    const QRegularExpression name(QStringLiteral("^%1_\\d+_\\d+_\\d+\\.%2$")
                                      .arg(QRegularExpression::escape(stem), QRegularExpression::escape(extension)),
                                  QRegularExpression::CaseInsensitiveOption);
    return name.match(fileName).hasMatch();
}

QString fileStem(reports::ReportKind kind) { return QString::fromLatin1(reportEntry(kind).fileStem); }
QString summaryStem(reports::ReportKind kind) { return fileStem(kind) + QStringLiteral("Summary"); }
QString chartStem(reports::ReportKind kind) { return fileStem(kind) + QStringLiteral("Graph"); }

}  // namespace

QString reportDateSuffix(const store::StoredTime& reportDate) {
    return QStringLiteral("_%1_%2_%3").arg(reportDate.month).arg(reportDate.day).arg(reportDate.year);
}

QString summaryCsvFileName(reports::ReportKind kind, const store::StoredTime& reportDate) {
    return summaryStem(kind) + reportDateSuffix(reportDate) + QStringLiteral(".csv");
}

QString chartFileName(reports::ReportKind kind, const store::StoredTime& reportDate, const QString& extension) {
    return chartStem(kind) + reportDateSuffix(reportDate) + QLatin1Char('.') + extension;
}

bool isSummaryCsvFileName(reports::ReportKind kind, const QString& fileName) {
    return isDatedName(fileName, summaryStem(kind), QStringLiteral("csv"));
}

bool isChartFileName(reports::ReportKind kind, const QString& fileName, const QString& extension) {
    return isDatedName(fileName, chartStem(kind), extension);
}

}  // namespace varnel::catalogue
