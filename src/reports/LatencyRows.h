// The outbound rows of the MessageLatency table as the chart and the summary
// read them: a compact container over the paired message events.
#pragma once

#include <QString>
#include <QTime>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string_view>

#include "containers/LargeArrays.h"
#include "reports/LatencyPairing.h"

namespace varnel::reports {

// Whether a pair whose cleared event has this type is an outbound message:
// every type but new and cleared inbound (3 and 5).
bool isOutboundMessage(int messageType);

struct LatencyRow {
    int64_t index = 0;
    QString messageGuid;
    QTime timeDelivered;  // on 1 January 2004
    int64_t secondsInQueue = 0;
    double veyraNodeId = 0;
    double keldanNodeId = 0;
    bool operator==(const LatencyRow&) const = default;
};

// The outbound rows of MessageLatency, as the chart and the summary read
// them. A row is the cleared event of its pair, read from the events it was
// paired from, so that millions of rows hold no text of their own.
class LatencyRows {
public:
    // No rows, over events of its own that add() fills.
    LatencyRows();
    // No rows, over paired events that addOutboundPairs() names.
    explicit LatencyRows(std::shared_ptr<const MessageEvents> events);

    void add(const LatencyRow& row);
    void add(int64_t index, std::string_view guid, int deliveredSeconds, int64_t secondsInQueue, double veyraNodeId,
             double keldanNodeId);
    // On rows that hold none: the outbound pairs among pairs, in table order,
    // as rows numbered from 1 (the table is emptied before they are stored),
    // each put in its place in delivery order, so that no sort follows.
    // tell, when given, hears the percent done now and then, on this thread.
    void addOutboundPairs(std::span<const EventPair> pairs, const std::function<void(int percent)>& tell = {});
    // Ascending delivery time; rows of one time keep the order they were added in.
    void sortByDelivery();

    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    int64_t index(std::size_t row) const { return entries_[row].index; }
    IdentifierText guid(std::size_t row) const { return events_->guid(entries_[row].event); }
    int deliveredSeconds(std::size_t row) const { return events_->secondsOfDay(entries_[row].event); }
    int64_t secondsInQueue(std::size_t row) const { return entries_[row].secondsInQueue; }
    double veyraNodeId(std::size_t row) const { return events_->veyraSerial(entries_[row].event); }
    double keldanNodeId(std::size_t row) const { return events_->keldanSerial(entries_[row].event); }
    LatencyRow operator[](std::size_t row) const;
    // Asks the processor for the row's event, to be read some rows later;
    // nothing past the last row.
    void prefetch(std::size_t row) const {
        if (row < entries_.size()) events_->prefetch(entries_[row].event, MessageEvents::Fetch::Event);
    }

private:
    struct Entry {
        int64_t index;
        int32_t secondsInQueue;
        uint32_t event;
    };

    std::shared_ptr<MessageEvents> own_;  // when filled by add()
    std::shared_ptr<const MessageEvents> events_;
    containers::LargeVector<Entry> entries_;
};

}  // namespace varnel::reports
