// What the latency, node traffic and node error reports are asked for: the
// time range and the node choice, as the report tabs or the command line give
// them.
#pragma once

#include <QStringList>
#include <QTime>
#include <vector>

namespace varnel::reports {

// The node lists of one report tab: every entry of the load's two lists, in
// list order, and which of them are selected.
struct NodeChoice {
    bool limitNodes = false;
    QStringList veyraEntries;
    QStringList keldanEntries;
    QStringList selectedVeyra;   // entries of veyraEntries
    QStringList selectedKeldan;  // entries of keldanEntries

    // The entries that get a node row: all of them, or only the selected
    // ones while node limiting is on; in list order.
    QStringList veyraRowEntries() const;
    QStringList keldanRowEntries() const;
};

struct RangeRequest {
    QTime from{0, 0, 0};
    QTime to{23, 59, 59};
    NodeChoice nodes;
};

// The numeric value of a node list entry, read as the log's serial numbers
// are read (its leading number), so that it equals the stored serial number.
double nodeValue(const QString& entry);

std::vector<double> nodeValues(const QStringList& entries);

}  // namespace varnel::reports
