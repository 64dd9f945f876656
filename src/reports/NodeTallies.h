// Tallies the cleared messages of a load for the node traffic and node error
// reports while the parser hands the rows to the database, for a time range
// and node choice known before the load (the command line's), so that the
// reports need not read the rows back.
#pragma once

#include <QTime>

#include "reports/RangeFilter.h"
#include "reports/ReportRequest.h"
#include "reports/SerialTallies.h"
#include "store/RawRows.h"

namespace varnel::reports {

class NodeTallies : public store::RowWatcher {
public:
    // Tallies the cleared messages strictly inside wanted's time range and,
    // when it limits nodes, those whose Veyra serial is the number of one of
    // wanted.nodes.selectedVeyra and whose Keldan serial is the number of one
    // of selectedKeldan. The entry lists of wanted are not read: the load's
    // lists are not known yet.
    explicit NodeTallies(const RangeRequest& wanted);

    // Every cleared message row of the batch, in stored order, with the
    // values the database gives back for it.
    void see(const store::RowBatch& batch) override;

    // Whether a scan of the loaded rows for request counts exactly the
    // messages tallied: the same time range and limiting, every serial that
    // request chooses chosen here too, and every serial tallied chosen by
    // request (a message whose serial has no entry in the load's lists, such
    // as an empty one, is left out by the scan).
    bool answers(const RangeRequest& request) const;

    const SerialTallies& tallies() const { return tallies_; }

private:
    QTime from_;
    QTime to_;
    bool limitNodes_;
    RangeAcceptance acceptance_;
    SerialTallies tallies_;
};

}  // namespace varnel::reports
