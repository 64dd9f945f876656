// varnel-report --html: the page of a fixture day holds the six reports in
// tab order with their charts and the figures of their CSV files, shows
// identifiers from the log as text, passes the HTML checker, and a page that
// cannot be written is a failure named with its reason.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "ReportTool.h"
#include "SmallFileSystem.h"
#include "StrictCsv.h"
#include "TestFiles.h"

using namespace varnel;
using test::runReportTool;

namespace {

// Calls, delivered messages both ways, an NDN, and an identifier that holds
// markup and an ampersand.
constexpr std::string_view day12 =
    "5/12/2004 8:00:00,INCOMING,1,40,1\r\n"
    "5/12/2004 8:10:00,OUTGOING,2,38,2\r\n"
    "5/12/2004 9:00:10,NEW OUTGOING MESSAGE,512,3001,{<script>alert('x')</script>&amp;},OK,1500000,1,100\r\n"
    "5/12/2004 9:03:50,CLEARED OUTGOING MESSAGE,512,3001,{<script>alert('x')</script>&amp;},OK,1500000,1,100\r\n"
    "5/12/2004 10:00:00,NEW OUTGOING MESSAGE,513,3002,{G2},OK,250000,1,100\r\n"
    "5/12/2004 10:01:00,CLEARED OUTGOING MESSAGE,513,3002,{G2},NDN,250000,1,100\r\n"
    "5/12/2004 12:00:00,NEW INCOMING MESSAGE,512,3002,{G3},OK,500000,1,100\r\n"
    "5/12/2004 12:10:00,CLEARED INCOMING MESSAGE,512,3002,{G3},OK,500000,1,100\r\n"
    "5/12/2004 13:00:00,DISCONNECT,1,40,0\r\n";

const char* const sections[][2] = {
    {"port-availability", "PortAvailabilitySummary_5_12_2004.csv"},
    {"queue-activity", "MessageQueueActivitySummary_5_12_2004.csv"},
    {"latency", "MessageLatencySummary_5_12_2004.csv"},
    {"node-traffic", "NodeTrafficSummary_5_12_2004.csv"},
    {"node-errors", "NodeErrorSummary_5_12_2004.csv"},
    {"daily-trend", "DailyTrendSummary_5_12_2004.csv"},
};

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString unescaped(QString text) {
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<")).replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\"")).replace(QStringLiteral("&#39;"), QStringLiteral("'"));
    return text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
}

QString sectionOf(const QString& page, const QString& anchor) {
    const qsizetype start = page.indexOf(QStringLiteral("<section id=\"%1\">").arg(anchor));
    if (start < 0) return {};
    return page.mid(start, page.indexOf(QStringLiteral("</section>"), start) - start);
}

// The cells of the table's body rows, as text.
QList<QStringList> tableRows(const QString& section) {
    static const QRegularExpression row(QStringLiteral("<tr>(.*?)</tr>"),
                                        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression cell(QStringLiteral("<td[^>]*>(.*?)</td>"));
    QList<QStringList> rows;
    const QString body = section.mid(section.indexOf(QStringLiteral("<tbody>")));
    for (const auto& r : row.globalMatch(body)) {
        QStringList cells;
        for (const auto& c : cell.globalMatch(r.captured(1))) cells << unescaped(c.captured(1));
        rows << cells;
    }
    return rows;
}

class ReportPageTool : public ::testing::Test {
protected:
    void SetUp() override { logs.write("CallLog_20040512.log", day12); }
    QStringList base() const { return {"--logs", logs.path(), "--data-dir", data.path(), "--out-dir", out.path()}; }
    QString page() const { return out.file("day.html"); }

    test::TempFolder logs, data, out;
};

TEST_F(ReportPageTool, PageHoldsSixReportsWithChartsAndTheFiguresOfTheirCsvFiles) {
    const auto run = runReportTool(base() + QStringList{"--html", page()});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString html = QString::fromUtf8(contentOf(page()));

    EXPECT_TRUE(
        html.contains(QRegularExpression(QStringLiteral("<title>Varnel Traffic Report for [^<]*2004</title>"))));
    EXPECT_TRUE(html.contains(QStringLiteral("<li>Traffic information found in logs for 05/12/2004 Wednesday</li>")));
    EXPECT_TRUE(html.contains(QStringLiteral("<li>Outbound NDNs=1</li>")));
    EXPECT_EQ(html.count(QStringLiteral("<img src=\"data:image/png;base64,")), 6);
    // Over one day the trend follows the others.
    const QStringList headings = {
        "Port Availability Report",   "Message Queue Activity", "Message Latency", "Node Traffic",
        "Non-delivery Notifications", "Daily Trend Report"};
    qsizetype previous = -1;
    for (const QString& heading : headings) {
        const qsizetype at = html.indexOf(QStringLiteral("<h2>") + heading + QStringLiteral("</h2>"));
        EXPECT_GT(at, previous) << heading.toStdString();
        previous = at;
    }

    for (const auto& [anchor, csvName] : sections) {
        const auto records = test::readStrictCsv(contentOf(out.file(QString::fromLatin1(csvName))));
        ASSERT_TRUE(records) << csvName;
        const QList<QStringList> rows = tableRows(sectionOf(html, QString::fromLatin1(anchor)));
        ASSERT_EQ(rows.size(), records->size() - 1) << anchor;
        for (qsizetype r = 0; r < rows.size(); ++r) {
            QStringList fields;
            for (const QByteArray& field : records->at(r + 1)) fields << QString::fromLocal8Bit(field);
            if (!fields.isEmpty() && fields.last().isEmpty()) fields.removeLast();  // the node error file's last comma
            EXPECT_EQ(rows[r], fields) << anchor << " row " << r + 1;
        }
    }
}

TEST_F(ReportPageTool, IdentifiersFromTheLogShowAsTextAndThePagePassesTheHtmlChecker) {
    ASSERT_EQ(runReportTool(base() + QStringList{"--html", page()}).exitCode, 0);
    const QString html = QString::fromUtf8(contentOf(page()));
    EXPECT_FALSE(html.contains(QStringLiteral("<script")));
    EXPECT_TRUE(html.contains(QStringLiteral("{&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt;&amp;amp;}")));

    const QString tidy = QStandardPaths::findExecutable(QStringLiteral("tidy"));
    ASSERT_FALSE(tidy.isEmpty()) << "the HTML checker tidy is not installed (scripts/setup.sh installs it)";
    QProcess check;
    check.start(tidy, {"-q", "-e", "-utf8", page()});
    ASSERT_TRUE(check.waitForFinished(60000));
    // 0: clean, 1: warnings only, 2: errors.
    EXPECT_EQ(check.exitCode(), 0) << check.readAllStandardError().toStdString();
}

TEST_F(ReportPageTool, OnlyTheChosenReportsAndTheirRangeAndNodeChoiceAreOnThePage) {
    const auto run = runReportTool(base() + QStringList{"--report", "latency", "--from", "08:00:00", "--to", "17:00:00",
                                                        "--veyra", "512", "--keldan", "3001,3002", "--html", page()});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString html = QString::fromUtf8(contentOf(page()));
    EXPECT_EQ(html.count(QStringLiteral("<section ")), 1);
    EXPECT_FALSE(sectionOf(html, QStringLiteral("latency")).isEmpty());
    EXPECT_TRUE(html.contains(QStringLiteral("Time range: after 08:00:00 and before 17:00:00.")));
    EXPECT_TRUE(
        html.contains(QStringLiteral("Only messages between the Veyra nodes 512 and the Keldan nodes 3001, 3002.")));
}

TEST_F(ReportPageTool, APageThatCannotBeWrittenFailsWithItsReasonAndLeavesNoFile) {
    const QString missing = out.file("no such folder/day.html");
    const auto run = runReportTool(base() + QStringList{"--html", missing});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Unable to write ") + missing + QStringLiteral(": ")))
        << run.err.toStdString();

    test::SmallFileSystem small(16 * 1024);
    if (!small.available()) GTEST_SKIP() << "a full disk needs a small file system of its own (root only)";
    const QString full = small.path() + QStringLiteral("/day.html");
    const auto fullRun = runReportTool(base() + QStringList{"--html", full});
    EXPECT_EQ(fullRun.exitCode, 1);
    EXPECT_TRUE(fullRun.err.contains(QStringLiteral("No space left on device"))) << fullRun.err.toStdString();
    EXPECT_FALSE(QFile::exists(full));
}

TEST_F(ReportPageTool, APageNeverReplacesALogOrTheWorkingDatabase) {
    const QString log = logs.file("CallLog_20040512.log");
    const QString db = data.file("Kept.db");
    for (const QString& target : {log, db, data.file("CleanPortData.db"), out.path()}) {
        const auto run = runReportTool(base() + QStringList{"--db", db, "--html", target});
        EXPECT_EQ(run.exitCode, 2) << target.toStdString();
        EXPECT_TRUE(run.err.contains(target)) << run.err.toStdString();
    }
    EXPECT_EQ(contentOf(log), QByteArray(day12.data(), static_cast<qsizetype>(day12.size())));
    EXPECT_FALSE(QFile::exists(db)) << "nothing was loaded";
}

// Over several days the trend is the question the page answers first.
TEST_F(ReportPageTool, TheTrendLeadsThePageAndHasARowPerDay) {
    std::string day13(day12);
    for (std::size_t at = day13.find("5/12/2004"); at != std::string::npos; at = day13.find("5/12/2004", at))
        day13.replace(at, 9, "5/13/2004");
    logs.write("CallLog_20040513.log", day13);
    const auto run = runReportTool(base() + QStringList{"--html", page()});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString html = QString::fromUtf8(contentOf(page()));
    const qsizetype trend = html.indexOf(QStringLiteral("<section id=\"daily-trend\">"));
    ASSERT_GE(trend, 0);
    EXPECT_LT(trend, html.indexOf(QStringLiteral("<section id=\"port-availability\">")));
    const QList<QStringList> rows = tableRows(sectionOf(html, QStringLiteral("daily-trend")));
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].first(), QStringLiteral("2004-05-12"));
    EXPECT_EQ(rows[1].first(), QStringLiteral("2004-05-13"));
}

}  // namespace
