#include "reports/NodeTrafficTable.h"

#include <SQLiteCpp/Transaction.h>

#include <cmath>
#include <unordered_map>

#include "reports/RangeFilter.h"
#include "shell/StringTable.h"
#include "store/Query.h"

namespace varnel::reports {

namespace {

constexpr double bytesPerMegabyte = 1000000.0;
constexpr int64_t clearedInbound = 5;
constexpr int64_t clearedOutbound = 6;

// The node rows in table order, found by serial number on each side. A
// damaged log can list a million nodes, so each side keeps a hashed index
// from serial number to row, looked up once or twice per message.
class NodeRows {
public:
    NodeRows(const RangeRequest& request) {
        add(shell::myLoadResString(125), request.nodes.veyraRowEntries(), veyra_);
        add(shell::myLoadResString(78), request.nodes.keldanRowEntries(), keldan_);
    }

    std::vector<NodeTrafficRow>& rows() { return rows_; }
    NodeTrafficRow* veyra(double serial) { return find(veyra_, serial); }
    NodeTrafficRow* keldan(double serial) { return find(keldan_, serial); }

private:
    using Index = std::unordered_map<double, std::size_t>;  // serial to row

    void add(const QString& nodeType, const QStringList& entries, Index& index) {
        index.reserve(static_cast<std::size_t>(entries.size()));
        for (const QString& entry : entries) {
            const double value = nodeValue(entry);
            // A serial that is not a number matches no message. Two entries
            // of one number: the first row takes the counts.
            if (!std::isnan(value)) index.try_emplace(value, rows_.size());
            rows_.push_back({nodeType, value});
        }
    }
    NodeTrafficRow* find(const Index& index, double serial) {
        const auto it = index.find(serial);
        return it == index.end() ? nullptr : &rows_[it->second];
    }

    std::vector<NodeTrafficRow> rows_;
    Index veyra_;
    Index keldan_;
};

void count(NodeTrafficRow* row, bool inbound, NodeCount what, bool hasSize, double size) {
    if (!row) return;
    const double megabytes = what == NodeCount::DeliveredMessages && hasSize ? size / bytesPerMegabyte : 0.0;
    if (inbound) {
        row->inboundMessages += 1;
        row->inboundMessageKB += megabytes;
    } else {
        row->outboundMessages += 1;
        row->outboundMessageKB += megabytes;
    }
}

// Counts the matching messages into the rows, in stored order so that the
// megabyte sums add up as they always have. Returns the number of messages.
int64_t countMessages(store::ReportDatabase& db, const RangeRequest& request, NodeCount what, NodeRows& nodes) {
    const RangeFilter filter(db, request);
    std::string sql =
        "SELECT MessageType, VeyraSerialNumber, KeldanSerialNumber, MessageSize FROM RawMessageData "
        "WHERE (MessageType = ? OR MessageType = ?)";
    if (what == NodeCount::NonDeliveries) sql += " AND (ErrorState = 1)";
    sql += " AND " + filter.conditions() + " ORDER BY rowid";

    store::Query select(db.connection(), sql);
    select.bind(1, clearedInbound);
    select.bind(2, clearedOutbound);
    filter.bind(select, 2);

    int64_t messages = 0;
    while (select.next()) {
        ++messages;
        const bool inbound = select.integer(0) == clearedInbound;
        const bool hasSize = !select.isNull(3);
        const double size = select.real(3);
        count(nodes.veyra(select.real(1)), inbound, what, hasSize, size);
        count(nodes.keldan(select.real(2)), inbound, what, hasSize, size);
    }
    return messages;
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

int64_t buildNodeTraffic(store::ReportDatabase& db, const RangeRequest& request, NodeCount what,
                         platform::MessageSink& messages) {
    NodeRows nodes(request);
    const int64_t counted = countMessages(db, request, what, nodes);

    SQLite::Transaction transaction(db.connection());
    db.connection().exec("DELETE FROM NodeTraffic");
    if (counted > 0) storeRows(db, nodes.rows());
    transaction.commit();

    if (counted == 0) messages.show({shell::myLoadResString(what == NodeCount::DeliveredMessages ? 67 : 138)});
    return counted;
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
