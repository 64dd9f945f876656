#include "summaries/SummaryTable.h"

#include "reports/TimeText.h"
#include "shell/StringTable.h"
#include "text/Blanks.h"
#include "text/NumberText.h"

namespace varnel::summaries {

namespace {

using shell::myLoadResString;

// The one text column of the grid summaries; every other column holds numbers.
const QString nodeTypeKey = QStringLiteral("NodeType");

SummaryTable headedTable(const QString& headerLine) {
    SummaryTable table;
    table.headerLine = headerLine;
    for (const QString& heading : headerLine.split(QLatin1Char(','))) table.headings << heading.trimmed();
    return table;
}

// The trimmed cells of every grid row in the columns of the keys, after the
// hour number when hourly.
SummaryTable gridTable(const SummaryGrid& grid, const QString& headerLine, const QStringList& keys, bool hourly) {
    SummaryTable table = headedTable(headerLine);
    if (hourly) table.textColumns << false;
    for (const QString& key : keys) table.textColumns << (key == nodeTypeKey);
    for (int row = 0; row < grid.rows.size(); ++row) {
        QStringList cells;
        if (hourly) cells << QString::number(row + 1);
        for (const QString& key : keys) cells << grid.cell(row, key).trimmed();
        table.rows << cells;
    }
    table.totalRows = table.rows.size();
    return table;
}

}  // namespace

SummaryTable portAvailabilityTable(const SummaryGrid& grid) {
    return gridTable(grid, myLoadResString(34),
                     {QStringLiteral("MaxPortsInUse"), QStringLiteral("MinPortsAvailableToTakeCalls")}, true);
}

SummaryTable queueActivityTable(const SummaryGrid& grid) {
    return gridTable(grid, myLoadResString(33),
                     {QStringLiteral("MaxInboundMessages"), QStringLiteral("MaxInboundMessageSize"),
                      QStringLiteral("MaxOutboundMessages"), QStringLiteral("MaxOutboundMessageSize")},
                     true);
}

SummaryTable latencyTable(const reports::LatencyRows& outbound, qsizetype rowLimit) {
    SummaryTable table = headedTable(myLoadResString(50));
    table.textColumns = {true, false, false, false, false};
    table.totalRows = static_cast<qsizetype>(outbound.size());
    reports::LongTimeTexts times;
    const qsizetype shown = std::min(rowLimit, table.totalRows);
    for (qsizetype i = 0; i < shown; ++i) {
        const reports::LatencyRow row = outbound[static_cast<std::size_t>(i)];
        table.rows << QStringList{text::withoutEndBlanks(row.messageGuid), times.text(row.timeDelivered),
                                  text::trimmedNumberText(static_cast<double>(row.secondsInQueue)),
                                  text::trimmedNumberText(row.veyraNodeId), text::trimmedNumberText(row.keldanNodeId)};
    }
    return table;
}

SummaryTable nodeTrafficTable(const SummaryGrid& grid) {
    return gridTable(
        grid, myLoadResString(76),
        {nodeTypeKey, QStringLiteral("NodeID"), QStringLiteral("InboundMessages"), QStringLiteral("InboundMessageSize"),
         QStringLiteral("OutboundMessages"), QStringLiteral("OutboundMessageSize")},
        false);
}

SummaryTable nodeErrorTable(const SummaryGrid& grid) {
    return gridTable(
        grid, QStringLiteral("Node Type, Node ID, Inbound NDNs, Outbound NDNs"),
        {nodeTypeKey, QStringLiteral("NodeID"), QStringLiteral("InboundMessages"), QStringLiteral("OutboundMessages")},
        false);
}

}  // namespace varnel::summaries
