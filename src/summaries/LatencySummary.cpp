#include "summaries/LatencySummary.h"

#include <QLocale>

#include "reports/TimeText.h"
#include "text/NumberText.h"

namespace varnel::summaries {

namespace {

enum LatencyColumn { Index, MessageGuid, TimeDelivered, SecondsInQueue, VeyraNodeId, KeldanNodeId, OutboundMessage };

// The delivery date and time as the grid shows a stored date-time value.
QString deliveredText(QTime time) {
    return QLocale::system().toString(QDate(2004, 1, 1), QLocale::ShortFormat) + QLatin1Char(' ') +
           reports::longTimeText(time);
}

}  // namespace

QList<SummaryColumn> latencyColumns() {
    const auto column = [](const char* name, bool hidden = false) {
        return SummaryColumn{QString::fromLatin1(name), QString::fromLatin1(name), 0, hidden};
    };
    return {column("Index", true), column("MessageGUID"),  column("TimeDelivered"),        column("SecondsInQueue"),
            column("VeyraNodeID"), column("KeldanNodeID"), column("OutboundMessage", true)};
}

QVariant latencyCellValue(const reports::LatencyRow& row, int column) {
    switch (column) {
        case Index:
            return QVariant::fromValue<qint64>(row.index);
        case MessageGuid:
            return row.messageGuid;
        case TimeDelivered:
            return row.timeDelivered;
        case SecondsInQueue:
            return QVariant::fromValue<qint64>(row.secondsInQueue);
        case VeyraNodeId:
            return row.veyraNodeId;
        case KeldanNodeId:
            return row.keldanNodeId;
        case OutboundMessage:
            return 1;  // only outbound rows are read
    }
    return {};
}

QString latencyCellText(const reports::LatencyRow& row, int column) {
    switch (column) {
        case Index:
            return text::trimmedNumberText(static_cast<double>(row.index));
        case MessageGuid:
            return row.messageGuid;
        case TimeDelivered:
            return deliveredText(row.timeDelivered);
        case SecondsInQueue:
            return text::trimmedNumberText(static_cast<double>(row.secondsInQueue));
        case VeyraNodeId:
            return text::trimmedNumberText(row.veyraNodeId);
        case KeldanNodeId:
            return text::trimmedNumberText(row.keldanNodeId);
        case OutboundMessage:
            return QStringLiteral("1");
    }
    return {};
}

SummaryGrid latencySummary(const reports::LatencyRows& outbound) {
    SummaryGrid grid;
    grid.columns = latencyColumns();
    for (std::size_t r = 0; r < outbound.size(); ++r) {
        const reports::LatencyRow row = outbound[r];
        QStringList cells;
        for (int column = 0; column < grid.columns.size(); ++column) cells << latencyCellText(row, column);
        grid.rows << cells;
    }
    return grid;
}

}  // namespace varnel::summaries
