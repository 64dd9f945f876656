#include "catalogue/ReportPage.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include "catalogue/DefaultFileNames.h"
#include "catalogue/ReportRecipe.h"
#include "ingest/DayList.h"
#include "platform/FileNameBytes.h"
#include "reports/TimeText.h"
#include "shell/EnglishStrings.h"
#include "shell/StringTable.h"

namespace varnel::catalogue {

namespace {

using shell::myLoadResString;

summaries::PageSection reportSection(const ReportPageReport& page, const ReportPageViews& views) {
    const reports::ReportKind kind = page.report.kind;
    summaries::PageSection section;
    section.anchor = commandLineName(kind);
    section.heading = views.heading(kind);
    if (reportEntry(kind).takesRange()) section.notes = summaries::reportChoiceNotes(page.inputs.range);
    for (const platform::UserMessage& message : page.report.messages) section.notes << message.text;
    section.chart = views.chart(page);
    if (section.chart.png.isEmpty()) section.notes << myLoadResString(shell::reportPageNoChartStringId);
    section.tableCaption = views.tableCaption(kind);
    // The table's own messages repeat what the report's build said already.
    section.table = summaryTable(page.report, pageLatencyRows);
    section.tableNote = summaries::cutShortNote(section.table, summaryCsvFileName(kind, page.inputs.reportDate));
    return section;
}

QStringList summaryLines(const QString& summary) {
    QString text = summary;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(QLatin1Char('\n'));
    while (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

}  // namespace

summaries::PageContent reportPageContent(const ReportPageLoad& load, const std::vector<ReportPageReport>& reports,
                                         const ReportPageViews& views, const std::function<void(int)>& reportDone) {
    summaries::PageContent page;
    const QString date = reports::longDateText(load.reportDate.toQDateTime().date());
    page.title = myLoadResString(shell::reportPageTitleStringId) + date;
    QStringList days;
    for (const QDate& day : load.days) days << ingest::dayEntryText(day);
    page.facts = {{myLoadResString(shell::reportPageDateStringId), date},
                  {myLoadResString(shell::reportPageLogFolderStringId),
                   platform::shownText(QDir::toNativeSeparators(load.logFolder))},
                  {myLoadResString(shell::reportPageDaysStringId), days.join(QStringLiteral(", "))}};
    page.summaryHeading = myLoadResString(shell::reportPageLoadSummaryStringId);
    page.summaryLines = summaryLines(load.summary);
    int done = 0;
    for (const ReportPageReport& report : reports) {
        page.sections << reportSection(report, views);
        if (reportDone) reportDone(++done);
    }
    page.footer = myLoadResString(shell::reportPageFooterStringId)
                      .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    return page;
}

std::optional<platform::WriteFailure> writeReportPage(const QString& path, const ReportPageLoad& load,
                                                      const std::vector<ReportPageReport>& reports,
                                                      const ReportPageViews& views,
                                                      const std::function<void(int)>& reportDone) {
    const QByteArray html = summaries::reportPageHtml(reportPageContent(load, reports, views, reportDone));
    return platform::writeWholeFile(path, [&](QIODevice& out) { return out.write(html) == html.size(); });
}

std::optional<QString> reportPageTargetProblem(const QString& path, const QString& logFolder,
                                               const QStringList& keptFiles) {
    const QString shown = QDir::toNativeSeparators(path);
    if (ingest::isLogOfFolder(path, logFolder)) return myLoadResString(shell::reportPageOverLogStringId).arg(shown);
    const QString target = ingest::resolvedPath(path);
    for (const QString& kept : keptFiles)
        if (target == ingest::resolvedPath(kept))
            return myLoadResString(shell::reportPageOverDatabaseStringId).arg(shown);
    if (QFileInfo(target).isDir()) return myLoadResString(shell::reportPageNeedsFileStringId).arg(shown);
    return std::nullopt;
}

QString reportPageFileName(const store::StoredTime& reportDate) {
    return QStringLiteral("VarnelReport") + reportDateSuffix(reportDate) + QStringLiteral(".html");
}

}  // namespace varnel::catalogue
