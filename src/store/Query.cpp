#include "store/Query.h"

namespace varnel::store {

Query::Query(SQLite::Database& db, std::string_view sql) : db_(db.getHandle()) {
    if (sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &stmt_, nullptr) != SQLITE_OK)
        throw SQLite::Exception(db_, sqlite3_errcode(db_));
}

Query::~Query() { sqlite3_finalize(stmt_); }

bool Query::next() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    throw SQLite::Exception(db_, rc);
}

void Query::run() {
    const int rc = sqlite3_step(stmt_);
    sqlite3_reset(stmt_);
    if (rc != SQLITE_DONE && rc != SQLITE_ROW) throw SQLite::Exception(db_, rc);
}

void Query::reset() { sqlite3_reset(stmt_); }

std::string placeholders(std::size_t count) {
    std::string out;
    for (std::size_t i = 0; i < count; ++i) out += i == 0 ? "?" : ",?";
    return out;
}

}  // namespace varnel::store
