// The report page of a load: every chosen report's heading, notes, chart and
// summary table in one HTML file, written whole or not at all. The one recipe
// for the page: varnel-report and the desktop program both call
// writeReportPage with the reports they built; the windows' side draws the
// charts through ReportPageViews.
#pragma once

#include <QDate>
#include <QList>
#include <functional>
#include <optional>
#include <vector>

#include "platform/WholeFileWriter.h"
#include "reports/BuiltReport.h"
#include "reports/ReportInputs.h"
#include "summaries/ReportPageHtml.h"

namespace varnel::catalogue {

// The load the page tells of.
struct ReportPageLoad {
    QString logFolder;
    QList<QDate> days;  // the days loaded
    QString summary;    // the Load Data summary message, lines ended by CR LF or LF
    store::StoredTime reportDate;
};

// One report of the page: what it was asked for and the report as built,
// whose messages are shown as notes (e.g. that nothing matched).
struct ReportPageReport {
    reports::ReportInputs inputs;
    reports::BuiltReport report;
};

// What the windows give the page: a report's heading (its window's caption),
// its table's caption (its summary window's caption) and its chart as a
// picture, as the window first shows it with both directions visible.
class ReportPageViews {
public:
    virtual ~ReportPageViews() = default;
    virtual QString heading(reports::ReportKind kind) const = 0;
    virtual QString tableCaption(reports::ReportKind kind) const = 0;
    virtual summaries::PageChart chart(const ReportPageReport& report) const = 0;
};

// The latency table shows this many rows; the CSV file holds them all.
inline constexpr qsizetype pageLatencyRows = 1000;

// The page's content; reportDone(n) follows the n-th report's section.
summaries::PageContent reportPageContent(const ReportPageLoad& load, const std::vector<ReportPageReport>& reports,
                                         const ReportPageViews& views, const std::function<void(int)>& reportDone = {});

// Writes the page to path, whole or not at all.
std::optional<platform::WriteFailure> writeReportPage(const QString& path, const ReportPageLoad& load,
                                                      const std::vector<ReportPageReport>& reports,
                                                      const ReportPageViews& views,
                                                      const std::function<void(int)>& reportDone = {});

// Why the page must not be written to path: it names a call log of the log
// folder, a folder, or one of the files the program keeps (the working
// database and its template). Nothing when it may be written.
std::optional<QString> reportPageTargetProblem(const QString& path, const QString& logFolder,
                                               const QStringList& keptFiles);

// The default file name of the page: "VarnelReport_5_12_2004.html".
QString reportPageFileName(const store::StoredTime& reportDate);

}  // namespace varnel::catalogue
