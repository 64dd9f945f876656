// The MessageLatency table: the queued and the cleared event of every message
// in the time range paired by identifier, with the seconds between them.
#pragma once

#include <QIODevice>
#include <QString>
#include <QTime>
#include <atomic>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "containers/LargeArrays.h"
#include "platform/UserMessage.h"
#include "reports/LatencyPairing.h"
#include "reports/ReportProgress.h"
#include "reports/ReportRequest.h"
#include "store/ReportDatabase.h"

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
    void addOutboundPairs(std::span<const EventPair> pairs);
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

// The events of the range paired, before anything is stored: the table's
// rows in table order and its outbound rows in delivery order.
struct LatencyPairs {
    std::shared_ptr<const MessageEvents> events;
    Pairing pairing;
    LatencyRows outbound;
};

// Pairs the raw events strictly inside the request's time range (and of the
// selected nodes when node limiting is on). Events are ordered by identifier
// (ignoring case) and time; two consecutive events of one identifier form a
// pair, so a third event stays unpaired. The events are those the load
// gathered when given (every stored message row, in stored order), else
// they are selected from RawMessageData. The outbound rows are left empty.
LatencyPairs pairLatencyEvents(store::ReportDatabase& db, const RangeRequest& request,
                               std::shared_ptr<const MessageEvents> gathered = {});

// The same over gathered events only, which must not be null; reads nothing
// from the database.
LatencyPairs pairGatheredEvents(const RangeRequest& request, std::shared_ptr<const MessageEvents> gathered);

// The outbound rows of the pairs, in delivery order.
LatencyRows outboundLatencyRows(const LatencyPairs& pairs);

// The pairs with their outbound rows.
LatencyPairs pairMessageLatency(store::ReportDatabase& db, const RangeRequest& request,
                                std::shared_ptr<const MessageEvents> gathered = {});

// Replaces the table's rows by the pairs, in one transaction, telling
// progress over the pairs stored. Once cancelled (when given) turns true, the
// transaction is rolled back, leaving the table as it was, and false is
// returned.
bool storeMessageLatency(store::ReportDatabase& db, const LatencyPairs& pairs, ReportProgress* progress = nullptr,
                         const std::atomic<bool>* cancelled = nullptr);

// Writes the unmatched events to unmatchedFile after its header line, and
// shows "No message traffic found." when no outbound row exists.
void reportLatencyOutcome(const LatencyPairs& pairs, const LatencyRows& outbound, platform::MessageSink& messages,
                          QIODevice* unmatchedFile = nullptr);

// The three steps above, one after the other. Returns the number of pairs stored.
int64_t buildMessageLatency(store::ReportDatabase& db, const RangeRequest& request, platform::MessageSink& messages,
                            QIODevice* unmatchedFile = nullptr);

// The outbound rows of the stored table in ascending TimeDelivered (then in stored order).
LatencyRows readOutboundLatency(store::ReportDatabase& db);

}  // namespace varnel::reports
