// The NodeTraffic table, filled either with the messages delivered to and
// from every node (node traffic report) or with its non-delivery
// notifications (node error report).
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "platform/UserMessage.h"
#include "reports/ReportProgress.h"
#include "reports/ReportRequest.h"
#include "store/ReportDatabase.h"

namespace varnel::reports {

enum class NodeCount {
    DeliveredMessages,  // cleared messages, with their megabytes
    NonDeliveries,      // cleared messages marked NDN, counts only
};

struct NodeTrafficRow {
    QString nodeType;  // "Veyra" or "Keldan" in the language in force
    double nodeId = 0;
    int64_t inboundMessages = 0;
    double inboundMessageKB = 0;  // megabytes, as the column has always held
    int64_t outboundMessages = 0;
    double outboundMessageKB = 0;
    bool operator==(const NodeTrafficRow&) const = default;
};

class NodeTallies;

// What a build of the table did.
struct NodeTrafficBuild {
    int64_t counted = 0;  // the messages counted
    // When none: "No message traffic data found." (or, for non-deliveries,
    // "No error delivery states found in the selected log").
    platform::UserMessages messages;
};

// Rebuilds the table: one row per node (the Veyra entries, then the Keldan
// entries, in list order; only the selected ones while node limiting is on)
// and every cleared message strictly inside the time range counted once on
// its Veyra node's row and once on its Keldan node's row. Nodes are looked up
// by side and serial number. When no message matches, the table stays empty.
// The counts come from gathered when it is given and answers the request,
// else from a scan of the raw message rows; both give the same rows. The scan
// tells its progress over the raw rows it walks; gathered counts tell the
// messages counted, all at once.
NodeTrafficBuild buildNodeTraffic(store::ReportDatabase& db, const RangeRequest& request, NodeCount count,
                                  const NodeTallies* gathered = nullptr, ReportProgress* progress = nullptr);

// The table's rows in stored order.
std::vector<NodeTrafficRow> readNodeTraffic(store::ReportDatabase& db);

}  // namespace varnel::reports
