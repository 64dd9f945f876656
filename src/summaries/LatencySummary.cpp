#include "summaries/LatencySummary.h"

#include <QLocale>

#include "reports/TimeText.h"
#include "summaries/NumberText.h"

namespace varnel::summaries {

namespace {

// The delivery date and time as the grid shows a stored date-time value.
QString deliveredText(QTime time) {
    return QLocale::system().toString(QDate(2004, 1, 1), QLocale::ShortFormat) + QLatin1Char(' ') +
           reports::longTimeText(time);
}

}  // namespace

SummaryGrid latencySummary(const std::vector<reports::LatencyRow>& outbound) {
    SummaryGrid grid;
    const auto column = [](const char* name, bool hidden = false) {
        return SummaryColumn{QString::fromLatin1(name), QString::fromLatin1(name), 0, hidden};
    };
    grid.columns = {column("Index", true),          column("MessageGUID"), column("TimeDelivered"),
                    column("SecondsInQueue"),       column("VeyraNodeID"), column("KeldanNodeID"),
                    column("OutboundMessage", true)};
    for (const reports::LatencyRow& row : outbound)
        grid.rows << QStringList{trimmedNumberText(static_cast<double>(row.index)),
                                 row.messageGuid,
                                 deliveredText(row.timeDelivered),
                                 trimmedNumberText(static_cast<double>(row.secondsInQueue)),
                                 trimmedNumberText(row.veyraNodeId),
                                 trimmedNumberText(row.keldanNodeId),
                                 QStringLiteral("1")};
    return grid;
}

}  // namespace varnel::summaries
