#include "summaries/NodeSummaries.h"

#include "shell/StringTable.h"
#include "text/NumberText.h"

namespace varnel::summaries {

namespace {

using shell::myLoadResString;

constexpr int fixedColumnWidth = 330;

platform::UserMessages emptyTableMessages(const std::vector<reports::NodeTrafficRow>& rows) {
    if (rows.empty()) return {shell::tableMessage(64)};
    return {};
}

}  // namespace

SummaryGrid nodeTrafficSummary(const std::vector<reports::NodeTrafficRow>& rows) {
    SummaryGrid grid;
    grid.columns = {{QString(), QString(), fixedColumnWidth},
                    {QStringLiteral("NodeType"), myLoadResString(75), 1005},
                    {QStringLiteral("NodeID"), myLoadResString(70), 975},
                    {QStringLiteral("InboundMessages"), myLoadResString(38), 1575},
                    {QStringLiteral("InboundMessageSize"), myLoadResString(37), 2100},
                    {QStringLiteral("OutboundMessages"), myLoadResString(83), 1620},
                    {QStringLiteral("OutboundMessageSize"), myLoadResString(82), 2280}};
    grid.messages = emptyTableMessages(rows);
    for (const reports::NodeTrafficRow& row : rows) {
        const QString id = text::numberText(row.nodeId);
        grid.rows << QStringList{id,
                                 row.nodeType,
                                 id,
                                 text::numberText(static_cast<double>(row.inboundMessages)),
                                 text::numberText(row.inboundMessageKB),
                                 text::numberText(static_cast<double>(row.outboundMessages)),
                                 text::numberText(row.outboundMessageKB)};
    }
    return grid;
}

SummaryGrid nodeErrorSummary(const std::vector<reports::NodeTrafficRow>& rows) {
    SummaryGrid grid;
    grid.columns = {{QString(), QString(), fixedColumnWidth},
                    {QStringLiteral("NodeType"), myLoadResString(75), 1005},
                    {QStringLiteral("NodeID"), myLoadResString(70), 975},
                    {QStringLiteral("InboundMessages"), myLoadResString(148), 1575},
                    {QStringLiteral("OutboundMessages"), myLoadResString(149), 1620}};
    grid.messages = emptyTableMessages(rows);
    for (const reports::NodeTrafficRow& row : rows) {
        const QString id = text::numberText(row.nodeId);
        grid.rows << QStringList{id, row.nodeType, id, text::numberText(static_cast<double>(row.inboundMessages)),
                                 text::numberText(static_cast<double>(row.outboundMessages))};
    }
    return grid;
}

}  // namespace varnel::summaries
