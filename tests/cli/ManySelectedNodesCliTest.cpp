// varnel-report over a log naming 40,000 nodes on each side with 35,000 of
// each named on its command line: more than SQLite's 32,766 bound parameters
// on each side, matched against the load's lists and counted exactly. CTest
// bounds the time.
#include <gtest/gtest.h>

#include <QFile>

#include "ManyNodesLog.h"
#include "ReportTool.h"
#include "StrictCsv.h"
#include "TestFiles.h"

namespace {

using namespace varnel::test;

constexpr int nodes = 40000;

// The serials as several --veyra or --keldan options: one argument of a
// command line holds at most 128 KiB on Linux.
QStringList nodeOptions(const QString& option, const QStringList& serials) {
    constexpr int perOption = 5000;
    QStringList arguments;
    for (int first = 0; first < serials.size(); first += perOption)
        arguments << option << serials.mid(first, perOption).join(QLatin1Char(','));
    return arguments;
}

TEST(ManySelectedNodesCli, ThirtyFiveThousandNamedOnEachSideGiveTheirRowsAndTheMessagesBetweenThem) {
    TempFolder work;
    QDir().mkpath(work.file(QStringLiteral("logs")));
    work.write(QStringLiteral("logs/CallLog_20040512.log"),
               (manyNodesLogLines(nodes).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toStdString());

    const ToolRun run = runReportTool(
        QStringList{QStringLiteral("--logs"), work.file(QStringLiteral("logs")), QStringLiteral("--data-dir"),
                    work.file(QStringLiteral("data")), QStringLiteral("--out-dir"), work.path(),
                    QStringLiteral("--report"), QStringLiteral("node-traffic")} +
        nodeOptions(QStringLiteral("--veyra"), manySerials(manyVeyraSerial, 0, 35000)) +
        nodeOptions(QStringLiteral("--keldan"), manySerials(manyKeldanSerial, 5000, nodes)));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    QFile csv(work.file(QStringLiteral("NodeTrafficSummary_5_12_2004.csv")));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const auto records = readStrictCsv(csv.readAll());
    ASSERT_TRUE(records);
    ASSERT_EQ(records->size(), 1 + 35000 + 35000);
    // Veyra rows of messages 0 to 34,999, then Keldan rows of 5,000 to 39,999;
    // the 30,000 messages between two named nodes count on both their rows.
    for (int row = 1; row < records->size(); ++row) {
        const CsvRecord& record = (*records)[row];
        ASSERT_EQ(record.size(), 6) << row;
        const bool veyra = row <= 35000;
        const int message = veyra ? row - 1 : 5000 + row - 35001;
        const bool counted = message >= 5000 && message < 35000;
        const QString serial = veyra ? manyVeyraSerial(message) : manyKeldanSerial(message);
        EXPECT_EQ(record[0], veyra ? "Veyra" : "Keldan") << row;
        EXPECT_EQ(record[1], serial.toLatin1()) << row;
        EXPECT_EQ(record[4], counted ? "1" : "0") << row;
        EXPECT_EQ(record[5], counted ? "1" : "0") << row;
    }
}

}  // namespace
