#include "reports/QueueActivityTable.h"

#include <SQLiteCpp/Transaction.h>

#include <algorithm>
#include <cmath>

#include "reports/PerMinuteTable.h"
#include "store/Query.h"
#include "store/RawRows.h"

namespace varnel::reports {

namespace {

// The logged values are kept as whole numbers (nearest, a half to the even
// neighbour) before the megabytes are taken with the fraction dropped.
double wholeNumber(double value) { return std::nearbyint(value); }

double wholeMegabytes(double bytes) { return std::floor(wholeNumber(bytes) / store::bytesPerMegabyte); }

std::vector<QueueMinute> minuteMaxima(const ingest::MinuteExtremes& extremes) {
    std::vector<QueueMinute> rows(minutesPerDay);
    for (int minute = 0; minute < minutesPerDay; ++minute) {
        const ingest::QueueExtremes& m = extremes.queues()[static_cast<std::size_t>(minute)];
        if (!m.hasRows) {
            rows[minute] = {minute, noData, noData, noData, noData};
            continue;
        }
        rows[minute] = {minute, wholeNumber(m.inbound.messages), wholeMegabytes(m.inbound.bytes),
                        wholeNumber(m.outbound.messages), wholeMegabytes(m.outbound.bytes)};
    }
    return rows;
}

void storeMinutes(store::ReportDatabase& db, const std::vector<QueueMinute>& rows, StageSteps& steps) {
    SQLite::Transaction transaction(db.connection());
    db.connection().exec("DELETE FROM MessageQueueActivity");
    store::Query insert(db.connection(),
                        "INSERT INTO MessageQueueActivity(Minute, MaxInboundMessages, MaxInboundQueueSize, "
                        "MaxOutboundMessages, MaxOutboundQueueSize) VALUES (?, ?, ?, ?, ?)");
    int64_t stored = 0;
    for (const QueueMinute& row : rows) {
        insert.bind(1, int64_t{row.minute});
        insert.bind(2, static_cast<int64_t>(row.maxInboundMessages));
        insert.bind(3, row.maxInboundQueueSize);
        insert.bind(4, static_cast<int64_t>(row.maxOutboundMessages));
        insert.bind(5, row.maxOutboundQueueSize);
        insert.run();
        steps.done(++stored);
    }
    transaction.commit();
}

}  // namespace

bool ensureQueueActivity(store::ReportDatabase& db, ReportProgress* progress) {
    if (!perMinuteTableNeedsBuild(db, "MessageQueueActivity")) return false;
    StageSteps steps = minuteSteps(progress);
    storeMinutes(db, minuteMaxima(scannedQueueExtremes(db)), steps);
    return true;
}

bool ensureQueueActivity(store::ReportDatabase& db, const ingest::MinuteExtremes& gathered, ReportProgress* progress) {
    if (!perMinuteTableNeedsBuild(db, "MessageQueueActivity")) return false;
    StageSteps steps = minuteSteps(progress);
    storeMinutes(db, minuteMaxima(gathered), steps);
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
