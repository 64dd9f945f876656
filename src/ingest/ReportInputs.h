// What a report window takes from the main window when it opens: its tab's
// time range and node choice, and the program-wide values it reads.
#pragma once

#include "store/StoredTime.h"

#include <QString>
#include <QStringList>
#include <QTime>

#include <cstdint>

namespace varnel::ingest {

enum class ReportKind { PortAvailability, QueueActivity, MessageLatency, NodeTraffic, NodeErrors };

// A tab's time range and node filter (the latency, node traffic and node
// error tabs; the other two reports always cover the whole day).
struct NodeFilter {
    QTime start{0, 0, 0};
    QTime end{23, 59, 59};
    bool limitNodes = false;
    QStringList veyraNodes;   // selected entries, in the list's order
    QStringList keldanNodes;
};

struct ReportInputs {
    ReportKind kind = ReportKind::PortAvailability;
    NodeFilter filter;
    store::StoredTime reportDate;
    int16_t peakAvailableLines = 0;
    QString connectionString;  // the working database file
    bool debug = false;        // write the latency report's unmatched-message file
};

}  // namespace varnel::ingest
