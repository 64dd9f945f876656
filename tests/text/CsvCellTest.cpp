// Text cells of the CSV files read back by a strict CSV reader.
#include <gtest/gtest.h>

#include <QBuffer>

#include "QtPrinting.h"
#include "StrictCsv.h"
#include "summaries/NodeSummaries.h"
#include "summaries/SummaryCsv.h"
#include "summaries/SummaryTable.h"
#include "text/CsvCell.h"

namespace {

using namespace varnel;
using text::csvTextCell;

TEST(CsvCell, OrdinaryTextAndNumbersStayAsTheyAre) {
    for (const char* cell : {"{8A1B-22}", "Veyra", "", "a b", "x=1", "12-3"}) EXPECT_EQ(csvTextCell(cell), cell);
}

TEST(CsvCell, QuotesCommasAndLineBreaksAreQuotedWithInnerQuotesDoubled) {
    EXPECT_EQ(csvTextCell("a,b"), "\"a,b\"");
    EXPECT_EQ(csvTextCell("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(csvTextCell("two\nlines"), "\"two\nlines\"");
    EXPECT_EQ(csvTextCell("cr\rhere"), "\"cr\rhere\"");
}

TEST(CsvCell, CellsThatASpreadsheetWouldTakeForAFormulaGetAnApostrophe) {
    EXPECT_EQ(csvTextCell("=1+2"), "'=1+2");
    EXPECT_EQ(csvTextCell("+1"), "'+1");
    EXPECT_EQ(csvTextCell("-2"), "'-2");
    EXPECT_EQ(csvTextCell("@SUM(A1)"), "'@SUM(A1)");
    EXPECT_EQ(csvTextCell("\tx"), "'\tx");
    EXPECT_EQ(csvTextCell("\rx"), "\"'\rx\"");
    EXPECT_EQ(csvTextCell("=HYPERLINK(\"http://x\",\"y\")"), "\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\"");
}

// Latency rows of the identifiers, each delivered at 08:00:00 after 60
// seconds in queue between nodes 512 and 3001.
reports::LatencyRows latencyRowsOf(const QStringList& guids) {
    reports::LatencyRows rows;
    for (const QString& guid : guids) rows.add({0, guid, QTime(8, 0, 0), 60, 512, 3001});
    return rows;
}

QByteArray latencyCsvOf(const reports::LatencyRows& rows) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(summaries::writeLatencyCsv(rows, buffer));
    return buffer.data();
}

TEST(CsvCell, LatencyIdentifiersSurviveAStrictReader) {
    const QStringList guids = {"{G1}", "a\"b", "=cmd|' /C calc'!A0", "x,y", "-1", "@a", "two\r\nlines"};
    const QByteArray csv = latencyCsvOf(latencyRowsOf(guids));
    const auto records = test::readStrictCsv(csv);
    ASSERT_TRUE(records) << csv.toStdString();
    ASSERT_EQ(records->size(), guids.size() + 1);
    const QStringList expected = {"{G1}", "a\"b", "'=cmd|' /C calc'!A0", "x,y", "'-1", "'@a", "two\r\nlines"};
    for (qsizetype i = 0; i < guids.size(); ++i) {
        const test::CsvRecord& record = (*records)[i + 1];
        ASSERT_EQ(record.size(), 5) << i;
        EXPECT_EQ(QString::fromLocal8Bit(record[0]), expected[i]);
        EXPECT_EQ(record[2], "60");
        EXPECT_EQ(record[3], "512");
    }
    // An ordinary row is written exactly as before.
    EXPECT_TRUE(csv.contains("\r\n{G1},08:00:00,60,512,3001\r\n"));
}

TEST(CsvCell, LatencyIdentifiersLoseTheirBlanksAndNothingElse) {
    // A tab, a carriage return or a byte order mark is part of the identifier:
    // "\tX" and "X" stay two identifiers, and the leading tab is guarded.
    const QStringList guids = {"  {G1}  ", "\tX", "X", "\rY\r", QString(QChar(0xFEFF)) + "Z", "A\t ", " "};
    const reports::LatencyRows rows = latencyRowsOf(guids);
    const QByteArray csv = latencyCsvOf(rows);
    const auto records = test::readStrictCsv(csv);
    ASSERT_TRUE(records) << csv.toStdString();
    ASSERT_EQ(records->size(), guids.size() + 1);
    const QList<QByteArray> expected = {"{G1}", "'\tX", "X", "'\rY\r", "\xef\xbb\xbfZ", "A\t", ""};
    for (qsizetype i = 0; i < guids.size(); ++i) EXPECT_EQ((*records)[i + 1][0], expected[i]) << i;

    // The summary table that the window and the report page show trims the
    // same way.
    const summaries::SummaryTable table = summaries::latencyTable(rows, 10);
    ASSERT_EQ(table.rows.size(), guids.size());
    EXPECT_EQ(table.rows[0][0], "{G1}");
    EXPECT_EQ(table.rows[1][0], "\tX");
    EXPECT_EQ(table.rows[5][0], "A\t");
}

TEST(CsvCell, NodeTypeTextsAreTextCellsAndNumbersAreNot) {
    summaries::SummaryGrid grid;
    for (const char* key : {"NodeType", "NodeID", "InboundMessages", "OutboundMessages"})
        grid.columns.push_back({key, key});
    grid.rows = {{"Veyra", " 512", " 3", "-1"}, {"Node, \"main\"", " 3001", " 1", " 0"}};
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(summaries::writeNodeErrorCsv(grid, buffer));
    const auto records = test::readStrictCsv(buffer.data());
    ASSERT_TRUE(records) << buffer.data().toStdString();
    ASSERT_EQ(records->size(), 3);
    EXPECT_EQ((*records)[1], (test::CsvRecord{"Veyra", "512", "3", "-1", ""}));
    EXPECT_EQ((*records)[2], (test::CsvRecord{"Node, \"main\"", "3001", "1", "0", ""}));
}

}  // namespace
