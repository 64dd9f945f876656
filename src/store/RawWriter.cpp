#include "store/RawWriter.h"

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "store/ReportDatabase.h"

namespace varnel::store {

// A prepared INSERT used through SQLite's C API: the statement runs once per
// few rows of a million-row load, so it binds and steps without wrappers.
class PreparedInsert {
public:
    PreparedInsert(SQLite::Database& db, const std::string& sql) : db_(db.getHandle()) {
        if (sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size()), &stmt_, nullptr) != SQLITE_OK)
            throw SQLite::Exception(db_, sqlite3_errcode(db_));
    }
    ~PreparedInsert() { sqlite3_finalize(stmt_); }
    PreparedInsert(const PreparedInsert&) = delete;
    PreparedInsert& operator=(const PreparedInsert&) = delete;

    sqlite3_stmt* handle() const { return stmt_; }
    void execute() {
        const int rc = sqlite3_step(stmt_);
        sqlite3_reset(stmt_);
        if (rc != SQLITE_DONE) throw SQLite::Exception(db_, rc);
    }

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

namespace {

constexpr int portColumns = 9;
constexpr int messageColumns = 10;

std::string insertSql(const char* head, int columns, int rows) {
    std::string row = "(";
    for (int c = 0; c < columns; ++c) row += c == 0 ? "?" : ",?";
    row += ")";
    std::string sql = head;
    for (int r = 0; r < rows; ++r) {
        if (r) sql += ",";
        sql += row;
    }
    return sql;
}

// A port row that continues the stored rowids is appended, and SQLite gives
// it that rowid; any other row is placed at its rowid, which costs a search.
constexpr const char* portAppend =
    "INSERT INTO RawPortData(Port,CallType,StartTime,LinesAvailableToTakeCalls,LinesInUse,"
    "StartMinute,EndTime,Seconds,EndMinute) VALUES ";
constexpr const char* portPlace =
    "INSERT INTO RawPortData(rowid,Port,CallType,StartTime,LinesAvailableToTakeCalls,LinesInUse,"
    "StartMinute,EndTime,Seconds,EndMinute) VALUES ";
constexpr const char* messageInsert =
    "INSERT INTO RawMessageData(Time,StartMinute,MessageType,VeyraSerialNumber,KeldanSerialNumber,"
    "MessageGUID,MessageSize,MessagesInQueue,TotalQueueSize,ErrorState) VALUES ";

// Binds with the raw C API: the statement is hot and the values are plain.
// Texts are bound without a copy, so they must live until the statement has
// run: time stamps are formatted into the binder's own buffer. Rows next to
// each other mostly share their time, so a time equal to the one formatted
// last binds that same text again.
class Binder {
public:
    explicit Binder(PreparedInsert& s) : stmt_(s.handle()) {}
    void time(const StoredTime& t) {
        if (!lastTime_.matches(t)) lastTime_ = format(t, t.text());
        text(lastTime_.text);
    }
    void timeOfDay(const StoredTime& t) {
        if (!lastTimeOfDay_.matches(t)) lastTimeOfDay_ = format(t, t.timeOfDayText());
        text(lastTimeOfDay_.text);
    }
    void integer(int64_t v) { sqlite3_bind_int64(stmt_, ++index_, v); }
    // A whole number is bound as an integer: a REAL column turns a double
    // with no fraction into that same integer before it stores it, so the
    // stored value is the same and the conversion is saved. 2^53 bounds
    // the doubles that are exact integers.
    void real(double v) {
        constexpr double exactLimit = 9007199254740992.0;
        if (v > -exactLimit && v < exactLimit && v == static_cast<double>(static_cast<int64_t>(v)))
            integer(static_cast<int64_t>(v));
        else
            sqlite3_bind_double(stmt_, ++index_, v);
    }
    void null() { sqlite3_bind_null(stmt_, ++index_); }
    void text(std::string_view v) {
        sqlite3_bind_text(stmt_, ++index_, v.data(), static_cast<int>(v.size()), SQLITE_STATIC);
    }
    template <typename T>
    void integer(const Nullable<T>& v) {
        v.present ? integer(v.value) : null();
    }
    void real(const Nullable<double>& v) { v.present ? real(v.value) : null(); }

private:
    struct Formatted {
        StoredTime time;
        std::string_view text;  // empty until a time is formatted
        bool matches(const StoredTime& t) const { return !text.empty() && time == t; }
    };

    template <std::size_t length>
    Formatted format(const StoredTime& t, const std::array<char, length>& chars) {
        StoredTime::Text& slot = times_[timeCount_++];
        std::copy(chars.begin(), chars.end(), slot.begin());
        return {t, {slot.data(), length}};
    }

    sqlite3_stmt* stmt_;
    int index_ = 0;
    std::array<StoredTime::Text, 2 * RawWriter::rowsPerStatement> times_;
    std::size_t timeCount_ = 0;
    Formatted lastTime_;
    Formatted lastTimeOfDay_;
};

// The nine columns of a port row; its rowid is bound, or given by SQLite,
// apart.
void bindPortColumns(Binder& b, const PortRecord& r) {
    b.integer(r.port);
    b.integer(r.callType);
    b.time(r.startTime);
    b.integer(r.linesAvailable);
    b.integer(r.linesInUse);
    b.integer(r.startMinute);
    if (r.endTime.present)
        b.time(r.endTime.value);
    else
        b.null();
    b.integer(r.seconds);
    b.integer(r.endMinute);
}

void bindMessage(Binder& b, const MessageRecord& r, const RowBatch& batch) {
    b.timeOfDay(r.time);
    b.integer(r.startMinute);
    b.integer(r.messageType);
    b.real(r.veyraSerial);
    b.real(r.keldanSerial);
    b.text(batch.textOf(r.guid));
    b.real(r.messageSize);
    b.real(r.messagesInQueue);
    b.real(r.totalQueueSize);
    b.integer(r.errorState);
}

void run(PreparedInsert& stmt) { stmt.execute(); }

// Writes rows in groups of rowsPerStatement, then the rest one by one.
template <typename Row, typename Bind>
void writeRows(const std::vector<Row>& rows, PreparedInsert& many, PreparedInsert& one, Bind bind) {
    std::size_t i = 0;
    for (; i + RawWriter::rowsPerStatement <= rows.size(); i += RawWriter::rowsPerStatement) {
        Binder b(many);
        for (int k = 0; k < RawWriter::rowsPerStatement; ++k) bind(b, rows[i + k]);
        run(many);
    }
    for (; i < rows.size(); ++i) {
        Binder b(one);
        bind(b, rows[i]);
        run(one);
    }
}

}  // namespace

RawWriter::RawWriter(ReportDatabase& db)
    : db_(db.connection()),
      transaction_(db_),
      lastPortRowId_(db_.execAndGet("SELECT coalesce(max(rowid), 0) FROM RawPortData").getInt64()),
      portAppendMany_(std::make_unique<PreparedInsert>(db_, insertSql(portAppend, portColumns, rowsPerStatement))),
      portAppendOne_(std::make_unique<PreparedInsert>(db_, insertSql(portAppend, portColumns, 1))),
      portPlaceOne_(std::make_unique<PreparedInsert>(db_, insertSql(portPlace, portColumns + 1, 1))),
      messageMany_(std::make_unique<PreparedInsert>(db_, insertSql(messageInsert, messageColumns, rowsPerStatement))),
      messageOne_(std::make_unique<PreparedInsert>(db_, insertSql(messageInsert, messageColumns, 1))) {}

RawWriter::~RawWriter() = default;

void RawWriter::take(RowBatch& batch) {
    writePorts(batch);
    writeMessages(batch);
    batch.clear();
}

void RawWriter::writePorts(const RowBatch& batch) {
    const std::vector<PortRecord>& rows = batch.ports;
    std::size_t i = 0;
    while (i < rows.size()) {
        // How many rows from i continue the stored rowids, up to one statement's worth.
        std::size_t appendable = 0;
        while (appendable < rowsPerStatement && i + appendable < rows.size() &&
               rows[i + appendable].rowId == lastPortRowId_ + 1 + static_cast<int64_t>(appendable))
            ++appendable;
        std::size_t written = 1;
        if (appendable == rowsPerStatement) {
            Binder b(*portAppendMany_);
            for (std::size_t k = 0; k < appendable; ++k) bindPortColumns(b, rows[i + k]);
            run(*portAppendMany_);
            written = appendable;
        } else if (appendable > 0) {
            Binder b(*portAppendOne_);
            bindPortColumns(b, rows[i]);
            run(*portAppendOne_);
        } else {
            Binder b(*portPlaceOne_);
            b.integer(rows[i].rowId);
            bindPortColumns(b, rows[i]);
            run(*portPlaceOne_);
        }
        lastPortRowId_ = std::max(lastPortRowId_, rows[i + written - 1].rowId);
        i += written;
    }
}

void RawWriter::writeMessages(const RowBatch& batch) {
    writeRows(batch.messages, *messageMany_, *messageOne_,
              [&batch](Binder& b, const MessageRecord& r) { bindMessage(b, r, batch); });
}

void RawWriter::commit() {
    portAppendMany_.reset();
    portAppendOne_.reset();
    portPlaceOne_.reset();
    messageMany_.reset();
    messageOne_.reset();
    transaction_.commit();
}

}  // namespace varnel::store
