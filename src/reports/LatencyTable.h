// The MessageLatency table: the queued and the cleared event of every message
// in the time range paired by identifier, with the seconds between them.
#pragma once

#include <QIODevice>
#include <QString>
#include <QTime>
#include <cstdint>
#include <vector>

#include "platform/UserMessage.h"
#include "reports/ReportRequest.h"
#include "store/ReportDatabase.h"

namespace varnel::reports {

// Rebuilds the table from the raw events strictly inside the request's time
// range (and of the selected nodes when node limiting is on). Events are
// ordered by identifier (ignoring case) and time; two consecutive events of
// one identifier form a pair, so a third event stays unpaired. When
// unmatchedFile is given, the unmatched events are written to it after its
// header line. Shows "No message traffic found." when no outbound pair exists.
// Returns the number of pairs stored.
int64_t buildMessageLatency(store::ReportDatabase& db, const RangeRequest& request, platform::MessageSink& messages,
                            QIODevice* unmatchedFile = nullptr);

struct LatencyRow {
    int64_t index = 0;
    QString messageGuid;
    QTime timeDelivered;  // on 1 January 2004
    int64_t secondsInQueue = 0;
    double veyraNodeId = 0;
    double keldanNodeId = 0;
    bool operator==(const LatencyRow&) const = default;
};

// The outbound rows in ascending TimeDelivered (then in stored order).
std::vector<LatencyRow> readOutboundLatency(store::ReportDatabase& db);

}  // namespace varnel::reports
