#include "reports/PerMinuteTable.h"

#include "store/Query.h"

namespace varnel::reports {

namespace {

template <typename T>
store::Nullable<T> nullable(const store::Query& row, int column, T value) {
    return row.isNull(column) ? store::Nullable<T>{} : store::Nullable<T>::of(value);
}

}  // namespace

bool perMinuteTableNeedsBuild(store::ReportDatabase& db, const char* table) { return db.rowCount(table) <= 1; }

ingest::MinuteExtremes scannedPortExtremes(store::ReportDatabase& db, ingest::MinuteExtremes extremes) {
    store::Query raw(db.connection(), "SELECT StartMinute, LinesInUse, LinesAvailableToTakeCalls FROM RawPortData");
    while (raw.next()) {
        if (raw.isNull(0)) continue;
        extremes.takePort(raw.integer(0), nullable(raw, 1, static_cast<int>(raw.integer(1))),
                          nullable(raw, 2, static_cast<int>(raw.integer(2))));
    }
    return extremes;
}

ingest::MinuteExtremes scannedQueueExtremes(store::ReportDatabase& db, ingest::MinuteExtremes extremes) {
    store::Query raw(db.connection(),
                     "SELECT StartMinute, MessageType, MessagesInQueue, TotalQueueSize FROM RawMessageData");
    while (raw.next()) {
        if (raw.isNull(0)) continue;
        extremes.takeMessage(raw.integer(0), raw.integer(1), nullable(raw, 2, raw.real(2)),
                             nullable(raw, 3, raw.real(3)));
    }
    return extremes;
}

}  // namespace varnel::reports
