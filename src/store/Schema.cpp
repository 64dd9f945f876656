#include "store/Schema.h"

#include <SQLiteCpp/Database.h>

#include <string>

namespace varnel::store {

namespace {

// Dates and times are stored as text "YYYY-MM-DD HH:MM:SS", yes/no as 0 or 1.
// Rows are read back in the order they were appended (rowid order).
constexpr const char* schemaSql = R"sql(
CREATE TABLE RawPortData (
    Port INTEGER,
    CallType INTEGER,
    StartTime TEXT,
    LinesAvailableToTakeCalls INTEGER,
    LinesInUse INTEGER,
    StartMinute INTEGER,
    EndTime TEXT,
    Seconds INTEGER,
    EndMinute INTEGER
);
CREATE TABLE RawMessageData (
    Time TEXT,
    StartMinute INTEGER,
    MessageType INTEGER,
    VeyraSerialNumber REAL,
    KeldanSerialNumber REAL,
    MessageGUID TEXT,
    MessageSize REAL,
    MessagesInQueue REAL,
    TotalQueueSize REAL,
    ErrorState INTEGER
);
CREATE TABLE PortAvailability (
    Minute INTEGER,
    MaxLinesInUse INTEGER,
    MinLinesAvailableToTakeCalls INTEGER
);
CREATE TABLE MessageQueueActivity (
    Minute INTEGER,
    MaxInboundMessages INTEGER,
    MaxInboundQueueSize REAL,
    MaxOutboundMessages INTEGER,
    MaxOutboundQueueSize REAL
);
CREATE TABLE MessageLatency (
    "Index" INTEGER PRIMARY KEY,
    MessageGUID TEXT,
    TimeDelivered TEXT,
    SecondsInQueue INTEGER,
    VeyraNodeID REAL,
    KeldanNodeID REAL,
    OutboundMessage INTEGER
);
CREATE TABLE NodeTraffic (
    NodeType TEXT,
    NodeID REAL,
    InboundMessages INTEGER DEFAULT 0,
    InboundMessageKB REAL DEFAULT 0,
    OutboundMessages INTEGER DEFAULT 0,
    OutboundMessageKB REAL DEFAULT 0
);
)sql";

}  // namespace

void createSchema(SQLite::Database& db) {
    // Large pages suit a file that is filled in one go and then scanned.
    db.exec("PRAGMA page_size=16384");
    db.exec(schemaSql);
    db.exec("PRAGMA user_version=" + std::to_string(schemaVersion));
}

int storedSchemaVersion(SQLite::Database& db) { return db.execAndGet("PRAGMA user_version").getInt(); }

}  // namespace varnel::store
