// The report page as HTML: escaping of every text, the sections with their
// charts, tables and notes, the latency table cut short with its pointer to
// the CSV file, and the page written whole through the checked writer.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "catalogue/ReportCatalogue.h"
#include "catalogue/ReportPage.h"
#include "reports/NodeTrafficTable.h"
#include "shell/EnglishStrings.h"
#include "shell/LanguagePackFiles.h"
#include "shell/QmLanguagePack.h"
#include "shell/WriteFailureText.h"
#include "summaries/SummaryCsv.h"

namespace {

using namespace varnel;
using reports::ReportKind;

// Headings and captions by kind, and a one-pixel picture with the report's
// number of positions as its description.
class FakeViews : public catalogue::ReportPageViews {
public:
    QString heading(ReportKind kind) const override {
        return QStringLiteral("Heading ") + catalogue::commandLineName(kind);
    }
    QString tableCaption(ReportKind) const override { return QStringLiteral("Caption <b>"); }
    summaries::PageChart chart(const catalogue::ReportPageReport& report) const override {
        ++drawn;
        if (failDrawing) return {};
        return {QByteArray("\x89PNG-picture"), 10, 5,
                QString::number(report.report.size()) + QStringLiteral(" points")};
    }
    mutable int drawn = 0;
    bool failDrawing = false;
};

catalogue::ReportPageReport latencyReport(int rows, const QString& firstGuid = QStringLiteral("{G0}")) {
    reports::LatencyRows outbound;
    for (int i = 0; i < rows; ++i)
        outbound.add(
            {i + 1, i == 0 ? firstGuid : QStringLiteral("{G%1}").arg(i), QTime(8, 0).addSecs(i), 30 + i, 512, 3001});
    catalogue::ReportPageReport report;
    report.inputs.kind = ReportKind::Latency;
    report.inputs.reportDate = {2004, 5, 12, 17, 0, 0};
    report.report = {ReportKind::Latency, std::move(outbound)};
    return report;
}

catalogue::ReportPageLoad load() {
    return {QStringLiteral("/logs/<gateway>"),
            {QDate(2004, 5, 12)},
            QStringLiteral("Traffic information found in logs for 05/12/2004 Wednesday\r\nInbound Calls=3\r\n"),
            {2004, 5, 12, 17, 0, 0}};
}

QString pageOf(const std::vector<catalogue::ReportPageReport>& reports, const FakeViews& views = {}) {
    return QString::fromUtf8(summaries::reportPageHtml(catalogue::reportPageContent(load(), reports, views)));
}

int count(const QString& text, const QString& what) { return static_cast<int>(text.count(what)); }

TEST(HtmlTextTest, MarkupCharactersBecomeReferencesAndForbiddenCharactersReplacement) {
    EXPECT_EQ(summaries::htmlText(QStringLiteral("<script>alert('x')</script> & \"y\"")),
              QStringLiteral("&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt; &amp; &quot;y&quot;"));
    // Tab and line breaks stay; other control characters, a lone surrogate
    // and a noncharacter cannot appear in an HTML document.
    const QString odd = QStringLiteral("a\tb\nc") + QChar(0x01) + QChar(0x9B) + QChar(0xD800) + QChar(0xFFFE) + "d";
    EXPECT_EQ(summaries::htmlText(odd), QStringLiteral("a\tb\nc") + QString(4, QChar(0xFFFD)) + "d");
    // A proper pair outside the basic plane stays as it is.
    const QString pair = QString::fromUcs4(U"\U0001F600");
    EXPECT_EQ(summaries::htmlText(pair), pair);
}

TEST(ReportPageHtmlTest, TextsFromTheLogShowAsTextNeverAsMarkup) {
    const QString page = pageOf({latencyReport(2, QStringLiteral("{<script>alert(1)</script>&amp;}"))});
    EXPECT_EQ(count(page, QStringLiteral("<script")), 0);
    EXPECT_TRUE(page.contains(QStringLiteral("<td class=\"t\">{&lt;script&gt;alert(1)&lt;/script&gt;&amp;amp;}</td>")));
    EXPECT_TRUE(page.contains(QStringLiteral("/logs/&lt;gateway&gt;")));
    EXPECT_TRUE(page.contains(QStringLiteral("<caption>Caption &lt;b&gt;</caption>")));
}

TEST(ReportPageHtmlTest, TitleFactsSummaryLinesAndOneSectionPerReportInOrder) {
    catalogue::ReportPageReport nodes;
    nodes.inputs.kind = ReportKind::NodeErrors;
    nodes.report = {ReportKind::NodeErrors,
                    std::vector<reports::NodeTrafficRow>{{QStringLiteral("Veyra"), 512, 1, 0, 2, 0}}};
    nodes.report.messages = {platform::UserMessage(QStringLiteral("A message of the build"))};
    FakeViews views;
    const QString page = pageOf({latencyReport(3), nodes}, views);
    EXPECT_EQ(views.drawn, 2);
    EXPECT_TRUE(page.startsWith(QStringLiteral("<!DOCTYPE html>")));
    EXPECT_TRUE(page.contains(QStringLiteral("font-family:system-ui,'Segoe UI'"))) << "the style sheet as written";
    EXPECT_TRUE(
        page.contains(QStringLiteral("<li>Traffic information found in logs for 05/12/2004 Wednesday</li>\n<li>"
                                     "Inbound Calls=3</li>")));
    EXPECT_EQ(count(page, QStringLiteral("<li>")), 2 + 2);  // summary lines and contents links
    EXPECT_TRUE(page.contains(QStringLiteral("<dd>05/12/2004 Wednesday</dd>")));
    EXPECT_LT(page.indexOf(QStringLiteral("<h2>Heading latency</h2>")),
              page.indexOf(QStringLiteral("<h2>Heading node-errors</h2>")));
    EXPECT_EQ(count(page, QStringLiteral("<img src=\"data:image/png;base64,") +
                              QString::fromLatin1(QByteArray("\x89PNG-picture").toBase64())),
              2);
    EXPECT_TRUE(page.contains(QStringLiteral("alt=\"3 points\"")));
    EXPECT_TRUE(page.contains(QStringLiteral("<p class=\"note\">A message of the build</p>")));
    // The node error table as its CSV file holds it: type, id, inbound, outbound.
    EXPECT_TRUE(
        page.contains(QStringLiteral("<tr><td class=\"t\">Veyra</td>\n<td class=\"n\">512</td>\n"
                                     "<td class=\"n\">1</td>\n<td class=\"n\">2</td>\n</tr>")));
}

TEST(ReportPageHtmlTest, LatencyTableShowsItsFirstThousandRowsAndPointsToTheCsvFile) {
    const QString page = pageOf({latencyReport(1500)});
    const qsizetype body = page.indexOf(QStringLiteral("<tbody>"));
    EXPECT_EQ(page.mid(body).count(QStringLiteral("<tr>")), catalogue::pageLatencyRows);
    EXPECT_TRUE(page.contains(QStringLiteral("{G999}")));
    EXPECT_FALSE(page.contains(QStringLiteral("{G1000}")));
    EXPECT_TRUE(
        page.contains(QStringLiteral("the first 1000 of 1500 rows; all of them are in the summary&#39;s CSV file, "
                                     "MessageLatencySummary_5_12_2004.csv.")));
    EXPECT_FALSE(pageOf({latencyReport(1000)}).contains(QStringLiteral("the first")));
}

TEST(ReportPageHtmlTest, AnEmptyReportSaysSoAndAChartThatCouldNotBeDrawnIsNamed) {
    FakeViews views;
    views.failDrawing = true;
    const QString page = pageOf({latencyReport(0)}, views);
    EXPECT_TRUE(page.contains(QStringLiteral("<td colspan=\"5\">No rows.</td>")));
    EXPECT_TRUE(page.contains(QStringLiteral("The chart could not be drawn.")));
    EXPECT_FALSE(page.contains(QStringLiteral("<img")));
}

TEST(ReportPageHtmlTest, ThePageIsWordedInTheLanguageInForce) {
    shell::setLanguagePack(shell::QmLanguagePack::load(test::germanPack).pack);
    catalogue::ReportPageReport empty = latencyReport(0);
    empty.inputs.range.from = QTime(8, 0, 0);
    FakeViews views;
    views.failDrawing = true;
    const QString page = pageOf({empty}, views);
    test::resetLanguage();
    for (const char* german :
         {"Varnel-Verkehrsbericht vom ", "Berichtsdatum", "Protokollordner", "Geladene Tage",
          "Zusammenfassung des Ladens", "Geschrieben vom Varnel Traffic Analyzer am ",
          "Das Diagramm konnte nicht gezeichnet werden.", "Keine Zeilen.", "Zeitraum: nach 08:00:00 und vor 23:59:59."})
        EXPECT_TRUE(page.contains(QString::fromUtf8(german))) << german;
    EXPECT_FALSE(page.contains(QStringLiteral("Report date")));
}

TEST(ReportPageHtmlTest, TableCellsAreThoseOfTheCsvFile) {
    const catalogue::ReportPageReport report = latencyReport(4, QStringLiteral("{=SUM(A1)}"));
    QBuffer csv;
    csv.open(QIODevice::WriteOnly);
    ASSERT_TRUE(summaries::writeLatencyCsv(report.report.rows.as<reports::LatencyRows>(), csv));
    const QList<QByteArray> lines = csv.data().split('\n');
    const summaries::SummaryTable table = summaries::latencyTable(report.report.rows.as<reports::LatencyRows>());
    ASSERT_EQ(table.rows.size(), 4);
    EXPECT_EQ(table.headerLine.toLatin1() + "\r", lines[0]);
    for (int row = 1; row < 4; ++row)
        EXPECT_EQ(table.rows[row].join(QLatin1Char(',')).toLatin1() + "\r", lines[row + 1]);
    // The file guards a formula against spreadsheets; the page shows the identifier itself.
    EXPECT_EQ(table.rows[0][0], QStringLiteral("{=SUM(A1)}"));
}

TEST(ReportChoiceNotesTest, OnlyARangeOrNodeChoiceShortOfTheWholeDayAndAllNodesIsNamed) {
    reports::RangeRequest range;
    range.nodes = {false, {QStringLiteral("512"), QStringLiteral("513")}, {QStringLiteral("3001")}, {}, {}};
    EXPECT_TRUE(summaries::reportChoiceNotes(range).isEmpty());

    range.from = QTime(8, 0);
    range.to = QTime(17, 0);
    EXPECT_EQ(summaries::reportChoiceNotes(range),
              QStringList{QStringLiteral("Time range: after 08:00:00 and before 17:00:00.")});

    range = {};
    range.nodes = {true,
                   {QStringLiteral("512"), QStringLiteral("513")},
                   {QStringLiteral("3001")},
                   {QStringLiteral("512"), QStringLiteral("513")},
                   {QStringLiteral("3001")}};
    EXPECT_TRUE(summaries::reportChoiceNotes(range).isEmpty());  // every node chosen
    range.nodes.selectedVeyra = {QStringLiteral("513")};
    EXPECT_EQ(summaries::reportChoiceNotes(range),
              QStringList{QStringLiteral("Only messages between the Veyra nodes 513 and the Keldan nodes 3001.")});
}

TEST(WriteReportPageTest, ThePageIsWrittenWholeOrAFailureNamesTheFileAndItsReason) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("page.html"));
    const FakeViews views;
    std::vector<int> done;
    ASSERT_FALSE(catalogue::writeReportPage(path, load(), {latencyReport(2), latencyReport(1)}, views,
                                            [&](int n) { done.push_back(n); }));
    EXPECT_EQ(done, (std::vector<int>{1, 2}));
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().endsWith("</html>\n"));

    const QString missing = folder.filePath(QStringLiteral("no such folder/page.html"));
    const auto failure = catalogue::writeReportPage(missing, load(), {latencyReport(2)}, views);
    ASSERT_TRUE(failure);
    EXPECT_TRUE(shell::writeFailureText(*failure).startsWith(QStringLiteral("Unable to write ") + missing +
                                                             QStringLiteral(": ")));
    EXPECT_FALSE(failure->reason.isEmpty());
    EXPECT_EQ(catalogue::reportPageFileName({2004, 5, 8, 0, 0, 0}), QStringLiteral("VarnelReport_5_8_2004.html"));
}

}  // namespace
