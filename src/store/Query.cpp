#include "store/Query.h"

#include <sqlite3.h>

namespace varnel::store {

Query::Query(SQLite::Database& db, std::string_view sql) : db_(db.getHandle()) {
    if (sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &stmt_, nullptr) != SQLITE_OK)
        throw SQLite::Exception(db_, sqlite3_errcode(db_));
}

Query::~Query() {
    sqlite3_finalize(stmt_);
}

void Query::bind(int index, int64_t value) {
    sqlite3_bind_int64(stmt_, index, value);
}

void Query::bind(int index, double value) {
    sqlite3_bind_double(stmt_, index, value);
}

void Query::bind(int index, std::string_view text) {
    sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

void Query::bindNull(int index) {
    sqlite3_bind_null(stmt_, index);
}

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

void Query::reset() {
    sqlite3_reset(stmt_);
}

bool Query::isNull(int column) const {
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

int64_t Query::integer(int column) const {
    return sqlite3_column_int64(stmt_, column);
}

double Query::real(int column) const {
    return sqlite3_column_double(stmt_, column);
}

std::string_view Query::text(int column) const {
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    if (!data) return {};
    return {data, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column))};
}

std::string placeholders(std::size_t count) {
    std::string out;
    for (std::size_t i = 0; i < count; ++i) out += i == 0 ? "?" : ",?";
    return out;
}

}  // namespace varnel::store
