#include "reports/NodeTallies.h"

#include <cmath>

namespace varnel::reports {

namespace {

// Whether every number among the entries is chosen.
template <typename Chooses>
bool choosesAll(const QStringList& entries, Chooses chooses) {
    for (const QString& entry : entries)
        if (const double value = nodeValue(entry); !std::isnan(value) && !chooses(value)) return false;
    return true;
}

template <typename Chooses>
bool choosesAll(const std::vector<double>& serials, Chooses chooses) {
    for (const double serial : serials)
        if (!chooses(serial)) return false;
    return true;
}

}  // namespace

NodeTallies::NodeTallies(const RangeRequest& wanted)
    : from_(wanted.from), to_(wanted.to), limitNodes_(wanted.nodes.limitNodes), acceptance_(wanted) {}

void NodeTallies::see(const store::RowBatch& batch) {
    for (const store::MessageRecord& row : batch.messages) {
        if (row.messageType != store::ClearedInboundMessage && row.messageType != store::ClearedOutboundMessage)
            continue;
        const double veyra = store::storedReal(row.veyraSerial);
        const double keldan = store::storedReal(row.keldanSerial);
        if (!acceptance_.accepts(row.startMinute, veyra, keldan)) continue;
        store::Nullable<double> size = row.messageSize;
        size.value = store::storedReal(size.value);
        tallies_.add({row.messageType == store::ClearedInboundMessage, row.errorState == 1, veyra, keldan, size});
    }
}

bool NodeTallies::answers(const RangeRequest& request) const {
    if (request.from != from_ || request.to != to_ || request.nodes.limitNodes != limitNodes_) return false;
    if (!limitNodes_) return true;
    const RangeAcceptance scan(request);
    return choosesAll(request.nodes.selectedVeyra, [this](double v) { return acceptance_.choosesVeyra(v); }) &&
           choosesAll(request.nodes.selectedKeldan, [this](double v) { return acceptance_.choosesKeldan(v); }) &&
           choosesAll(tallies_.veyra().serials(), [&scan](double v) { return scan.choosesVeyra(v); }) &&
           choosesAll(tallies_.keldan().serials(), [&scan](double v) { return scan.choosesKeldan(v); });
}

}  // namespace varnel::reports
