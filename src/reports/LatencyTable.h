// The MessageLatency table: the queued and the cleared event of every message
// in the time range paired by identifier, with the seconds between them.
#pragma once

#include <QIODevice>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

#include "reports/LatencyPairing.h"
#include "reports/LatencyRows.h"
#include "reports/ReportProgress.h"
#include "reports/ReportRequest.h"
#include "store/ReportDatabase.h"

namespace varnel::reports {

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
// percentDone, when given, rises to 100 as the events are paired.
LatencyPairs pairLatencyEvents(store::ReportDatabase& db, const RangeRequest& request,
                               std::shared_ptr<const MessageEvents> gathered = {},
                               std::atomic<int>* percentDone = nullptr);

// The same over gathered events only, which must not be null; reads nothing
// from the database.
LatencyPairs pairGatheredEvents(const RangeRequest& request, std::shared_ptr<const MessageEvents> gathered,
                                std::atomic<int>* percentDone = nullptr);

// The same from the heads kept of the events of the request's range while
// they were gathered.
LatencyPairs pairGatheredEvents(std::shared_ptr<const MessageEvents> gathered, GroupHeads heads,
                                std::atomic<int>* percentDone = nullptr);

// The outbound rows of the pairs, in delivery order; tell, when given, hears
// the percent done now and then.
LatencyRows outboundLatencyRows(const LatencyPairs& pairs, const std::function<void(int percent)>& tell = {});

// The pairs with their outbound rows.
LatencyPairs pairMessageLatency(store::ReportDatabase& db, const RangeRequest& request,
                                std::shared_ptr<const MessageEvents> gathered = {});

// Replaces the table's rows by the pairs, in one transaction, telling
// progress over the pairs stored. Once cancelled (when given) turns true, the
// transaction is rolled back, leaving the table as it was, and false is
// returned.
bool storeMessageLatency(store::ReportDatabase& db, const LatencyPairs& pairs, ReportProgress* progress = nullptr,
                         const std::atomic<bool>* cancelled = nullptr);

// Pairs, stores and writes the unmatched events to unmatchedFile when given,
// one after the other. Returns the number of pairs stored.
int64_t buildMessageLatency(store::ReportDatabase& db, const RangeRequest& request, QIODevice* unmatchedFile = nullptr);

// The outbound rows of the stored table in ascending TimeDelivered (then in stored order).
LatencyRows readOutboundLatency(store::ReportDatabase& db);

}  // namespace varnel::reports
