#include "reports/QueueActivityTable.h"

#include <SQLiteCpp/Transaction.h>

#include <algorithm>
#include <cmath>

#include "reports/PerMinuteTable.h"
#include "store/Query.h"

namespace varnel::reports {

namespace {

constexpr double bytesPerMegabyte = 1000000.0;

// Largest queue length and queue size (bytes) of one direction in a minute;
// both start at 0, so negative logged values never show.
struct Maxima {
    double messages = 0;
    double bytes = 0;

    void take(const store::Query& raw, int messagesColumn, int bytesColumn) {
        if (!raw.isNull(messagesColumn)) messages = std::max(messages, raw.real(messagesColumn));
        if (!raw.isNull(bytesColumn)) bytes = std::max(bytes, raw.real(bytesColumn));
    }
};

struct MinuteMaxima {
    bool hasRows = false;
    Maxima inbound;
    Maxima outbound;
};

bool isInbound(int64_t messageType) { return messageType == 3 || messageType == 5; }

// The logged values are kept as whole numbers (nearest, a half to the even
// neighbour) before the megabytes are taken with the fraction dropped.
double wholeNumber(double value) { return std::nearbyint(value); }

double wholeMegabytes(double bytes) { return std::floor(wholeNumber(bytes) / bytesPerMegabyte); }

std::vector<QueueMinute> minuteMaxima(store::ReportDatabase& db) {
    std::vector<MinuteMaxima> maxima(minutesPerDay);
    store::Query raw(db.connection(),
                     "SELECT StartMinute, MessageType, MessagesInQueue, TotalQueueSize FROM RawMessageData");
    while (raw.next()) {
        const int64_t minute = raw.integer(0);
        if (raw.isNull(0) || minute < 0 || minute >= minutesPerDay) continue;
        MinuteMaxima& m = maxima[static_cast<std::size_t>(minute)];
        m.hasRows = true;
        (isInbound(raw.integer(1)) ? m.inbound : m.outbound).take(raw, 2, 3);
    }

    std::vector<QueueMinute> rows(minutesPerDay);
    for (int minute = 0; minute < minutesPerDay; ++minute) {
        const MinuteMaxima& m = maxima[static_cast<std::size_t>(minute)];
        if (!m.hasRows) {
            rows[minute] = {minute, noData, noData, noData, noData};
            continue;
        }
        rows[minute] = {minute, wholeNumber(m.inbound.messages), wholeMegabytes(m.inbound.bytes),
                        wholeNumber(m.outbound.messages), wholeMegabytes(m.outbound.bytes)};
    }
    return rows;
}

void storeMinutes(store::ReportDatabase& db, const std::vector<QueueMinute>& rows) {
    SQLite::Transaction transaction(db.connection());
    db.connection().exec("DELETE FROM MessageQueueActivity");
    store::Query insert(db.connection(),
                        "INSERT INTO MessageQueueActivity(Minute, MaxInboundMessages, MaxInboundQueueSize, "
                        "MaxOutboundMessages, MaxOutboundQueueSize) VALUES (?, ?, ?, ?, ?)");
    for (const QueueMinute& row : rows) {
        insert.bind(1, int64_t{row.minute});
        insert.bind(2, static_cast<int64_t>(row.maxInboundMessages));
        insert.bind(3, row.maxInboundQueueSize);
        insert.bind(4, static_cast<int64_t>(row.maxOutboundMessages));
        insert.bind(5, row.maxOutboundQueueSize);
        insert.run();
    }
    transaction.commit();
}

}  // namespace

bool ensureQueueActivity(store::ReportDatabase& db) {
    if (!perMinuteTableNeedsBuild(db, "MessageQueueActivity")) return false;
    storeMinutes(db, minuteMaxima(db));
    return true;
}

std::vector<QueueMinute> readQueueActivity(store::ReportDatabase& db) {
    std::vector<QueueMinute> rows;
    store::Query select(db.connection(),
                        "SELECT Minute, MaxInboundMessages, MaxInboundQueueSize, MaxOutboundMessages, "
                        "MaxOutboundQueueSize FROM MessageQueueActivity ORDER BY Minute");
    while (select.next())
        rows.push_back(
            {static_cast<int>(select.integer(0)), select.real(1), select.real(2), select.real(3), select.real(4)});
    return rows;
}

}  // namespace varnel::reports
