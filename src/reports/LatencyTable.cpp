#include "reports/LatencyTable.h"

#include <SQLiteCpp/Transaction.h>

#include <algorithm>
#include <array>

#include "reports/LatencyPairing.h"
#include "reports/RangeFilter.h"
#include "reports/TimeText.h"
#include "shell/StringTable.h"
#include "store/Query.h"
#include "store/StoredTime.h"
#include "summaries/CsvCell.h"
#include "summaries/NumberText.h"

namespace varnel::reports {

namespace {

constexpr int rowsPerInsert = 32;
constexpr std::size_t typicalGuidLength = 38;  // "{8-4-4-4-12}"

QTime timeOfDay(int seconds) { return QTime(0, 0).addSecs(seconds); }

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
    const RangeFilter filter(request);
    store::Query select(
        db.connection(),
        "SELECT MessageGUID, StartMinute, MessageType, VeyraSerialNumber, KeldanSerialNumber FROM RawMessageData "
        "WHERE " +
            filter.conditions() + " ORDER BY rowid");
    filter.bind(select, 0);

    MessageEvents events;
    const auto rows = static_cast<std::size_t>(db.lastRowId("RawMessageData"));
    events.reserve(rows, rows * typicalGuidLength);
    while (select.next()) {
        const int seconds = static_cast<int>(select.integer(1)) * 60;  // the stored Time, cut to the minute
        events.add(select.text(0), seconds, static_cast<int>(select.integer(2)), select.real(3), select.real(4));
    }
    return events;
}

bool isOutbound(int messageType) { return messageType != 3 && messageType != 5; }

// The pairs as their rows are stored, gathered from the scattered events in
// one tight pass before any of them is bound; the identifiers are copied in
// row order too, since SQLite would otherwise fetch each from afar.
struct PairRows {
    struct Row {
        uint32_t guidOffset;
        uint32_t guidLength;
        int delivered;  // seconds of the day of the second event
        int secondsInQueue;
        double veyraSerial;
        double keldanSerial;
        bool outbound;
    };
    std::vector<Row> rows;
    std::string guids;  // of the second events

    std::string_view guid(const Row& row) const {
        return std::string_view(guids).substr(row.guidOffset, row.guidLength);
    }
};

PairRows pairRows(const MessageEvents& events, const std::vector<EventPair>& pairs) {
    PairRows gathered;
    gathered.rows.reserve(pairs.size());
    gathered.guids.reserve(pairs.size() * typicalGuidLength);
    for (const EventPair& pair : pairs) {
        const std::string_view guid = events.guid(pair.second);
        const int delivered = events.secondsOfDay(pair.second);
        gathered.rows.push_back({static_cast<uint32_t>(gathered.guids.size()), static_cast<uint32_t>(guid.size()),
                                 delivered, delivered - events.secondsOfDay(pair.first),
                                 events.veyraSerial(pair.second), events.keldanSerial(pair.second),
                                 isOutbound(events.messageType(pair.second))});
        gathered.guids.append(guid);
    }
    return gathered;
}

// Binds the rows of one statement. Texts are bound without a copy: the
// identifiers live in the gathered rows and the delivery times in the binder, both
// until the statement has run.
class PairBinder {
public:
    PairBinder(store::Query& insert, const PairRows& pairs) : insert_(insert), pairs_(pairs) {}

    void bind(int row, const PairRows::Row& pair) {
        auto& time = delivered_[static_cast<std::size_t>(row)];
        time = deliveredText(pair.delivered);
        int p = row * columns;
        insert_.bindUncopied(++p, pairs_.guid(pair));
        insert_.bindUncopied(++p, std::string_view(time.data(), time.size()));
        insert_.bind(++p, int64_t{pair.secondsInQueue});
        insert_.bind(++p, pair.veyraSerial);
        insert_.bind(++p, pair.keldanSerial);
        insert_.bind(++p, int64_t{pair.outbound ? 1 : 0});
    }

    static constexpr int columns = 6;

private:
    store::Query& insert_;
    const PairRows& pairs_;
    std::array<store::StoredTime::Text, rowsPerInsert> delivered_;
};

void storePairs(store::ReportDatabase& db, const PairRows& gathered) {
    const std::vector<PairRows::Row>& pairs = gathered.rows;
    const std::string head =
        "INSERT INTO MessageLatency(MessageGUID, TimeDelivered, SecondsInQueue, VeyraNodeID, KeldanNodeID, "
        "OutboundMessage) VALUES ";
    std::string row = "(";
    row.append(store::placeholders(PairBinder::columns)).append(")");
    std::string manyRows = head + row;
    for (int r = 1; r < rowsPerInsert; ++r) manyRows.append(",").append(row);

    store::Query many(db.connection(), manyRows);
    store::Query one(db.connection(), head + row);
    PairBinder manyBinder(many, gathered);
    PairBinder oneBinder(one, gathered);
    std::size_t i = 0;
    for (; i + rowsPerInsert <= pairs.size(); i += rowsPerInsert) {
        for (int r = 0; r < rowsPerInsert; ++r) manyBinder.bind(r, pairs[i + static_cast<std::size_t>(r)]);
        many.run();
    }
    for (; i < pairs.size(); ++i) {
        oneBinder.bind(0, pairs[i]);
        one.run();
    }
}

void writeUnmatched(QIODevice& file, const MessageEvents& events, const std::vector<UnmatchedEvent>& unmatched) {
    using summaries::trimmedNumberText;
    file.write((shell::myLoadResString(51) + QStringLiteral("\r\n")).toLocal8Bit());
    for (const UnmatchedEvent& entry : unmatched) {
        const uint32_t found = entry.firstOfIdentifier;
        const QString line = summaries::csvTextCell(QString::fromUtf8(events.guid(entry.event))) + QLatin1Char(',') +
                             longTimeText(timeOfDay(events.secondsOfDay(found))) + QLatin1Char(',') +
                             trimmedNumberText(events.keldanSerial(found)) + QLatin1Char(',') +
                             trimmedNumberText(events.veyraSerial(found)) + QStringLiteral("\r\n");
        file.write(line.toLocal8Bit());
    }
}

}  // namespace

int64_t buildMessageLatency(store::ReportDatabase& db, const RangeRequest& request, platform::MessageSink& messages,
                            QIODevice* unmatchedFile) {
    const MessageEvents events = selectEvents(db, request);
    const Pairing pairing = pairEvents(events.selectionOrder());
    const PairRows pairs = pairRows(events, pairing.pairs);

    SQLite::Transaction transaction(db.connection());
    db.connection().exec("DELETE FROM MessageLatency");
    storePairs(db, pairs);
    transaction.commit();

    if (unmatchedFile) writeUnmatched(*unmatchedFile, events, pairing.unmatched);

    if (std::none_of(pairs.rows.begin(), pairs.rows.end(), [](const PairRows::Row& row) { return row.outbound; }))
        messages.show({shell::myLoadResString(68)});
    return static_cast<int64_t>(pairs.rows.size());
}

std::vector<LatencyRow> readOutboundLatency(store::ReportDatabase& db) {
    // Read in stored order and put in delivery order here: a stable sort of
    // the rows is far cheaper than SQLite sorting them by TimeDelivered. The
    // stored times all have the form "2004-01-01 HH:MM:SS", so their seconds
    // compare like their texts, and "Index" follows the stored order.
    std::vector<LatencyRow> rows;
    rows.reserve(static_cast<std::size_t>(db.lastRowId("MessageLatency")));
    store::Query select(db.connection(),
                        "SELECT \"Index\", MessageGUID, TimeDelivered, SecondsInQueue, VeyraNodeID, KeldanNodeID "
                        "FROM MessageLatency WHERE OutboundMessage = 1 ORDER BY \"Index\"");
    while (select.next()) {
        store::StoredTime delivered;
        const int seconds = store::parseStoredTime(select.text(2), delivered) ? delivered.secondsOfDay() : 0;
        rows.push_back({select.integer(0), QString::fromUtf8(select.text(1)), timeOfDay(seconds), select.integer(3),
                        select.real(4), select.real(5)});
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const LatencyRow& a, const LatencyRow& b) { return a.timeDelivered < b.timeDelivered; });
    return rows;
}

}  // namespace varnel::reports
