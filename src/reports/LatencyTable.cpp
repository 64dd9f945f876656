#include "reports/LatencyTable.h"

#include <SQLiteCpp/Transaction.h>

#include <algorithm>
#include <array>

#include "reports/LatencyPairing.h"
#include "reports/RangeFilter.h"
#include "reports/UnmatchedMessagesFile.h"
#include "store/Query.h"
#include "store/RawRows.h"
#include "store/StoredTime.h"

namespace varnel::reports {

namespace {

constexpr int rowsPerInsert = 32;

// The stored form of a delivery time: the time of day on 1 January 2004.
store::StoredTime::Text deliveredText(int seconds) {
    return store::StoredTime{2004,
                             1,
                             1,
                             static_cast<int8_t>(seconds / 3600),
                             static_cast<int8_t>(seconds / 60 % 60),
                             static_cast<int8_t>(seconds % 60)}
        .text();
}

// The raw events strictly inside the time range, of the selected nodes when
// node limiting is on, in stored order.
MessageEvents selectEvents(store::ReportDatabase& db, const RangeRequest& request) {
    const RangeFilter filter(db, request);
    store::Query select(
        db.connection(),
        "SELECT MessageGUID, StartMinute, MessageType, VeyraSerialNumber, KeldanSerialNumber FROM RawMessageData "
        "WHERE " +
            filter.conditions() + " ORDER BY rowid");
    filter.bind(select, 0);

    MessageEvents events;
    while (select.next()) {
        const int seconds = static_cast<int>(select.integer(1)) * 60;  // the stored Time, cut to the minute
        events.add(select.text(0), seconds, static_cast<int>(select.integer(2)), select.real(3), select.real(4));
    }
    return events;
}

// The rows of a run of pairs, gathered from the scattered events in one
// tight pass before any of them is bound: SQLite's own work between reads
// would otherwise push each event out of the cache before it is fetched.
// The identifiers are copied in row order too.
class PairChunk {
public:
    static constexpr std::size_t pairs = 4096;

    struct Row {
        std::string_view guid;
        int delivered;  // seconds of the day of the second event
        int secondsInQueue;
        double veyraSerial;
        double keldanSerial;
        bool outbound;
    };

    void gather(const MessageEvents& events, const EventPair* first, std::size_t count) {
        rows_.clear();
        guids_.clear();
        // What each pair reads lies anywhere in memory: it is fetched some
        // pairs ahead, the event first, then its group, then its text.
        const auto ahead = [&](std::size_t i, std::size_t distance, MessageEvents::Fetch step) {
            if (i + distance < count) events.prefetch(first[i + distance].second, step);
        };
        for (std::size_t i = 0; i < count; ++i) {
            ahead(i, 24, MessageEvents::Fetch::Event);
            ahead(i, 16, MessageEvents::Fetch::Group);
            ahead(i, 8, MessageEvents::Fetch::Text);
            if (i + 16 < count) events.prefetch(first[i + 16].first, MessageEvents::Fetch::Event);
            const IdentifierText guid = events.guid(first[i].second);
            guids_.append(guid.view());
            lengths_[i] = guid.size();
        }
        std::size_t offset = 0;
        for (std::size_t i = 0; i < count; ++i) {
            const EventPair& pair = first[i];
            const std::size_t length = lengths_[i];
            const int delivered = events.secondsOfDay(pair.second);
            rows_.push_back({std::string_view(guids_).substr(offset, length), delivered,
                             delivered - events.secondsOfDay(pair.first), events.veyraSerial(pair.second),
                             events.keldanSerial(pair.second), isOutboundMessage(events.messageType(pair.second))});
            offset += length;
        }
    }
    const std::vector<Row>& rows() const { return rows_; }

private:
    std::vector<Row> rows_;
    std::string guids_;
    std::array<std::size_t, pairs> lengths_{};
};

// Binds the rows of one statement. Texts are bound without a copy: the
// identifiers live in the chunk and the delivery times in the binder, both
// until the statement has run.
class PairBinder {
public:
    explicit PairBinder(store::Query& insert) : insert_(insert) {}

    void bind(int row, const PairChunk::Row& pair) {
        auto& time = delivered_[static_cast<std::size_t>(row)];
        time = deliveredText(pair.delivered);
        int p = row * columns;
        insert_.bindUncopied(++p, pair.guid);
        insert_.bindUncopied(++p, std::string_view(time.data(), time.size()));
        insert_.bind(++p, int64_t{pair.secondsInQueue});
        insert_.bind(++p, pair.veyraSerial);
        insert_.bind(++p, pair.keldanSerial);
        insert_.bind(++p, int64_t{pair.outbound ? 1 : 0});
    }

    static constexpr int columns = 6;

private:
    store::Query& insert_;
    std::array<store::StoredTime::Text, rowsPerInsert> delivered_;
};

// False when cancelled turned true before every pair was inserted.
bool storePairs(store::ReportDatabase& db, const MessageEvents& events, std::span<const EventPair> pairs,
                StageSteps& steps, const std::atomic<bool>* cancelled) {
    const std::string head =
        "INSERT INTO MessageLatency(MessageGUID, TimeDelivered, SecondsInQueue, VeyraNodeID, KeldanNodeID, "
        "OutboundMessage) VALUES ";
    std::string row = "(";
    row.append(store::placeholders(PairBinder::columns)).append(")");
    std::string manyRows = head + row;
    for (int r = 1; r < rowsPerInsert; ++r) manyRows.append(",").append(row);

    store::Query many(db.connection(), manyRows);
    store::Query one(db.connection(), head + row);
    PairBinder manyBinder(many);
    PairBinder oneBinder(one);
    PairChunk chunk;
    for (std::size_t done = 0; done < pairs.size(); done += PairChunk::pairs) {
        if (cancelled && cancelled->load(std::memory_order_relaxed)) return false;
        chunk.gather(events, pairs.data() + done, std::min(PairChunk::pairs, pairs.size() - done));
        const std::vector<PairChunk::Row>& rows = chunk.rows();
        std::size_t i = 0;
        for (; i + rowsPerInsert <= rows.size(); i += rowsPerInsert) {
            for (int r = 0; r < rowsPerInsert; ++r) manyBinder.bind(r, rows[i + static_cast<std::size_t>(r)]);
            many.run();
        }
        for (; i < rows.size(); ++i) {
            oneBinder.bind(0, rows[i]);
            one.run();
        }
        steps.done(static_cast<int64_t>(done + rows.size()));
    }
    return true;
}

}  // namespace

LatencyPairs pairGatheredEvents(const RangeRequest& request, std::shared_ptr<const MessageEvents> gathered,
                                std::atomic<int>* percentDone) {
    const RangeAcceptance filter(request);
    std::vector<bool> accepted(gathered->size());
    for (uint32_t e = 0; e < gathered->size(); ++e)
        accepted[e] =
            filter.accepts(gathered->secondsOfDay(e) / 60, gathered->veyraSerial(e), gathered->keldanSerial(e));
    LatencyPairs result;
    result.pairing = gathered->pair(&accepted, percentDone);
    result.events = std::move(gathered);
    result.outbound = LatencyRows(result.events);
    return result;
}

LatencyPairs pairGatheredEvents(std::shared_ptr<const MessageEvents> gathered, GroupHeads heads,
                                std::atomic<int>* percentDone) {
    LatencyPairs result;
    result.pairing = gathered->pair(std::move(heads), percentDone);
    result.events = std::move(gathered);
    result.outbound = LatencyRows(result.events);
    return result;
}

LatencyPairs pairLatencyEvents(store::ReportDatabase& db, const RangeRequest& request,
                               std::shared_ptr<const MessageEvents> gathered, std::atomic<int>* percentDone) {
    if (gathered) return pairGatheredEvents(request, std::move(gathered), percentDone);
    auto selected = std::make_shared<MessageEvents>(selectEvents(db, request));
    selected->finishAdding();
    LatencyPairs result;
    result.pairing = selected->pair(nullptr, percentDone);
    result.events = std::move(selected);
    result.outbound = LatencyRows(result.events);
    return result;
}

LatencyRows outboundLatencyRows(const LatencyPairs& pairs, const std::function<void(int percent)>& tell) {
    LatencyRows rows(pairs.events);
    rows.addOutboundPairs(pairs.pairing.pairs, tell);
    return rows;
}

LatencyPairs pairMessageLatency(store::ReportDatabase& db, const RangeRequest& request,
                                std::shared_ptr<const MessageEvents> gathered) {
    LatencyPairs pairs = pairLatencyEvents(db, request, std::move(gathered));
    pairs.outbound = outboundLatencyRows(pairs);
    return pairs;
}

bool storeMessageLatency(store::ReportDatabase& db, const LatencyPairs& pairs, ReportProgress* progress,
                         const std::atomic<bool>* cancelled) {
    const auto count = static_cast<int64_t>(pairs.pairing.pairs.size());
    StageSteps steps(progress, ReportProgress::Stage::BuildingTable, count, PairChunk::pairs);
    SQLite::Transaction transaction(db.connection());
    db.connection().exec("DELETE FROM MessageLatency");
    // Left uncommitted, the transaction is rolled back as it ends.
    if (!storePairs(db, *pairs.events, pairs.pairing.pairs, steps, cancelled)) return false;
    transaction.commit();
    steps.finish();
    return true;
}

int64_t buildMessageLatency(store::ReportDatabase& db, const RangeRequest& request, QIODevice* unmatchedFile) {
    const LatencyPairs pairs = pairMessageLatency(db, request);
    storeMessageLatency(db, pairs);
    if (unmatchedFile) writeUnmatchedEvents(*unmatchedFile, pairs);
    return static_cast<int64_t>(pairs.pairing.pairs.size());
}

LatencyRows readOutboundLatency(store::ReportDatabase& db) {
    // Read in stored order and put in delivery order here: a stable sort of
    // the rows is far cheaper than SQLite sorting them by TimeDelivered. The
    // stored times all have the form "2004-01-01 HH:MM:SS", so their seconds
    // compare like their texts, and "Index" follows the stored order.
    LatencyRows rows;
    store::Query select(db.connection(),
                        "SELECT \"Index\", MessageGUID, TimeDelivered, SecondsInQueue, VeyraNodeID, KeldanNodeID "
                        "FROM MessageLatency WHERE OutboundMessage = 1 ORDER BY \"Index\"");
    while (select.next()) {
        store::StoredTime delivered;
        const int seconds = store::parseStoredTime(select.text(2), delivered) ? delivered.secondsOfDay() : 0;
        rows.add(select.integer(0), select.text(1), seconds, select.integer(3), select.real(4), select.real(5));
    }
    rows.sortByDelivery();
    return rows;
}

}  // namespace varnel::reports
