#include "reports/NodeTrafficTable.h"

#include <SQLiteCpp/Transaction.h>

#include <cmath>
#include <optional>
#include <unordered_set>

#include "reports/NodeTallies.h"
#include "reports/RangeFilter.h"
#include "reports/SerialTallies.h"
#include "shell/StringTable.h"
#include "store/Query.h"

namespace varnel::reports {

namespace {

// The raw rows are told every so many.
constexpr int64_t rowsPerStep = 4096;

// The cleared messages strictly inside the time range (and between chosen
// nodes), tallied in stored order; only the non-deliveries for the node
// error report. Progress runs over the raw rows by their row numbers, so that
// the walk needs no count beforehand.
SerialTallies scannedTallies(store::ReportDatabase& db, const RangeRequest& request, NodeCount what,
                             ReportProgress* progress) {
    StageSteps steps(progress, ReportProgress::Stage::BuildingTable, db.lastRowNumber("RawMessageData"), rowsPerStep);
    const RangeFilter filter(db, request);
    std::string sql =
        "SELECT MessageType, VeyraSerialNumber, KeldanSerialNumber, MessageSize, ErrorState, rowid "
        "FROM RawMessageData WHERE (MessageType = ? OR MessageType = ?)";
    if (what == NodeCount::NonDeliveries) sql += " AND (ErrorState = 1)";
    sql += " AND " + filter.conditions() + " ORDER BY rowid";

    store::Query select(db.connection(), sql);
    select.bind(1, int64_t{store::ClearedInboundMessage});
    select.bind(2, int64_t{store::ClearedOutboundMessage});
    filter.bind(select, 2);

    SerialTallies tallies;
    while (select.next()) {
        const store::Nullable<double> size =
            select.isNull(3) ? store::Nullable<double>{} : store::Nullable<double>::of(select.real(3));
        tallies.add({select.integer(0) == store::ClearedInboundMessage, select.integer(4) == 1, select.real(1),
                     select.real(2), size});
        steps.done(select.integer(5));
    }
    steps.finish();
    return tallies;
}

int64_t countedMessages(const SerialTallies& tallies, NodeCount what) {
    return what == NodeCount::DeliveredMessages ? tallies.messages() : tallies.nonDeliveries();
}

void takeTally(NodeTrafficRow& row, const NodeTally& tally, NodeCount what) {
    if (what == NodeCount::DeliveredMessages) {
        row.inboundMessages = tally.inboundMessages;
        row.inboundMessageKB = tally.inboundMegabytes;
        row.outboundMessages = tally.outboundMessages;
        row.outboundMessageKB = tally.outboundMegabytes;
    } else {
        row.inboundMessages = tally.inboundNonDeliveries;
        row.outboundMessages = tally.outboundNonDeliveries;
    }
}

// The rows of one side's entries, each with the tally of its serial number.
// A serial that is not a number matches no message. Two entries of one
// number: the first row takes the counts.
void addRows(const QString& nodeType, const QStringList& entries, const SideTallies& side, NodeCount what,
             std::vector<NodeTrafficRow>& rows) {
    std::unordered_set<double> taken;
    taken.reserve(static_cast<std::size_t>(entries.size()));
    for (const QString& entry : entries) {
        NodeTrafficRow row{nodeType, nodeValue(entry)};
        if (!std::isnan(row.nodeId) && taken.insert(row.nodeId).second)
            if (const NodeTally* tally = side.find(row.nodeId)) takeTally(row, *tally, what);
        rows.push_back(std::move(row));
    }
}

std::vector<NodeTrafficRow> nodeRows(const RangeRequest& request, const SerialTallies& tallies, NodeCount what) {
    std::vector<NodeTrafficRow> rows;
    addRows(shell::myLoadResString(125), request.nodes.veyraRowEntries(), tallies.veyra(), what, rows);
    addRows(shell::myLoadResString(78), request.nodes.keldanRowEntries(), tallies.keldan(), what, rows);
    return rows;
}

void storeRows(store::ReportDatabase& db, const std::vector<NodeTrafficRow>& rows) {
    store::Query insert(db.connection(),
                        "INSERT INTO NodeTraffic(NodeType, NodeID, InboundMessages, InboundMessageKB, "
                        "OutboundMessages, OutboundMessageKB) VALUES (?, ?, ?, ?, ?, ?)");
    for (const NodeTrafficRow& row : rows) {
        insert.bind(1, row.nodeType.toStdString());
        insert.bind(2, row.nodeId);
        insert.bind(3, row.inboundMessages);
        insert.bind(4, row.inboundMessageKB);
        insert.bind(5, row.outboundMessages);
        insert.bind(6, row.outboundMessageKB);
        insert.run();
    }
}

}  // namespace

NodeTrafficBuild buildNodeTraffic(store::ReportDatabase& db, const RangeRequest& request, NodeCount what,
                                  const NodeTallies* gathered, ReportProgress* progress) {
    std::optional<SerialTallies> scanned;
    const bool tallied = gathered && gathered->answers(request);
    const SerialTallies& tallies =
        tallied ? gathered->tallies() : scanned.emplace(scannedTallies(db, request, what, progress));
    const int64_t counted = countedMessages(tallies, what);
    std::optional<StageSteps> countedSteps;
    if (tallied) countedSteps.emplace(progress, ReportProgress::Stage::BuildingTable, counted, counted);

    SQLite::Transaction transaction(db.connection());
    db.connection().exec("DELETE FROM NodeTraffic");
    if (counted > 0) storeRows(db, nodeRows(request, tallies, what));
    transaction.commit();
    if (countedSteps) countedSteps->finish();

    NodeTrafficBuild build{counted, {}};
    if (counted == 0) build.messages.push_back(shell::tableMessage(what == NodeCount::DeliveredMessages ? 67 : 138));
    return build;
}

std::vector<NodeTrafficRow> readNodeTraffic(store::ReportDatabase& db) {
    std::vector<NodeTrafficRow> rows;
    store::Query select(db.connection(),
                        "SELECT NodeType, NodeID, InboundMessages, InboundMessageKB, OutboundMessages, "
                        "OutboundMessageKB FROM NodeTraffic ORDER BY rowid");
    while (select.next())
        rows.push_back({QString::fromUtf8(select.text(0)), select.real(1), select.integer(2), select.real(3),
                        select.integer(4), select.real(5)});
    return rows;
}

}  // namespace varnel::reports
