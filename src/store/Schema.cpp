#include "store/Schema.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <string>
#include <vector>

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

namespace {

struct SchemaObject {
    std::string type, name, sql;
    bool operator==(const SchemaObject&) const = default;
};

std::vector<SchemaObject> schemaObjects(SQLite::Database& db) {
    SQLite::Statement query(db, "SELECT type, name, sql FROM sqlite_master ORDER BY type, name");
    std::vector<SchemaObject> objects;
    while (query.executeStep())
        objects.push_back(
            {query.getColumn(0).getString(), query.getColumn(1).getString(), query.getColumn(2).getString()});
    return objects;
}

// What createSchema makes, read from a database made in memory.
const std::vector<SchemaObject>& expectedObjects() {
    static const std::vector<SchemaObject> objects = [] {
        SQLite::Database db(":memory:", SQLite::OPEN_READWRITE);
        createSchema(db);
        return schemaObjects(db);
    }();
    return objects;
}

}  // namespace

bool isEmptyReportDatabase(SQLite::Database& db) {
    if (storedSchemaVersion(db) != schemaVersion || schemaObjects(db) != expectedObjects()) return false;
    for (const SchemaObject& object : expectedObjects()) {
        if (object.type != "table") continue;
        // The names are this build's own, read from its own schema.
        if (db.execAndGet("SELECT EXISTS (SELECT 1 FROM \"" + object.name + "\")").getInt() != 0) return false;
    }
    return db.execAndGet("PRAGMA quick_check").getString() == "ok";
}

}  // namespace varnel::store
