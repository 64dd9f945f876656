// The report page as HTML: one self-contained HTML5 file (styles inline,
// charts as PNG data URIs) with a title, the load's facts and summary lines,
// and one section per report with its heading, notes, chart and summary
// table. Every text is escaped here, so nothing from a log can become markup.
#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include "reports/ReportRequest.h"
#include "summaries/SummaryTable.h"

namespace varnel::summaries {

struct PageChart {
    QByteArray png;  // the picture; empty: the section shows no chart
    int width = 0;
    int height = 0;
    QString description;  // the picture's text alternative
};

struct PageSection {
    QString anchor;  // the section's id, for the contents links
    QString heading;
    QStringList notes;  // the time range, the node choice, the report's own messages
    PageChart chart;
    QString tableCaption;
    SummaryTable table;
    QString tableNote;  // said under the table, e.g. where the rows left out are
};

struct PageContent {
    QString title;
    QList<QPair<QString, QString>> facts;  // label and value, shown under the title
    QString summaryHeading;
    QStringList summaryLines;
    QList<PageSection> sections;
    QString footer;
};

// The text with &, <, >, " and ' as character references, and the
// characters HTML forbids (control characters other than tab and line
// breaks, lone surrogates, noncharacters) as U+FFFD.
QString htmlText(const QString& text);

// The whole page in UTF-8.
QByteArray reportPageHtml(const PageContent& page);

// What a latency or node report was limited to, for the notes above its
// chart: the time range when it is not the whole day, the chosen nodes when
// node limiting leaves some out. Empty for the whole day and all nodes.
QStringList reportChoiceNotes(const reports::RangeRequest& range);

// When the table holds fewer rows than the summary: how many it shows out of
// how many, and the CSV file that holds them all. Empty otherwise.
QString cutShortNote(const SummaryTable& table, const QString& csvFileName);

}  // namespace varnel::summaries
