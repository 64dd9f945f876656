// A prepared SQL statement used through SQLite's C API, for report builds
// that read or write hundreds of thousands of rows. Every value reaches the
// statement as a bound parameter; columns are read by position. The binding
// and reading calls are inline: they run several times per row.
#pragma once

#include <SQLiteCpp/Database.h>
#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace varnel::store {

class Query {
public:
    // Throws SQLite::Exception when the text does not prepare.
    Query(SQLite::Database& db, std::string_view sql);
    ~Query();
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    // Parameters are numbered from 1.
    void bind(int index, int64_t value) { sqlite3_bind_int64(stmt_, index, value); }
    void bind(int index, double value) { sqlite3_bind_double(stmt_, index, value); }
    // Copied.
    void bind(int index, std::string_view text) { bindText(index, text, SQLITE_TRANSIENT); }
    // Not copied: the text must stay unchanged until the statement has run.
    void bindUncopied(int index, std::string_view text) { bindText(index, text, SQLITE_STATIC); }
    void bindNull(int index) { sqlite3_bind_null(stmt_, index); }

    // Steps to the next result row; false when there is none. Throws on failure.
    bool next();
    // Steps a statement without result rows once and makes it ready to run again.
    void run();
    void reset();

    // Columns are numbered from 0.
    bool isNull(int column) const { return sqlite3_column_type(stmt_, column) == SQLITE_NULL; }
    int64_t integer(int column) const { return sqlite3_column_int64(stmt_, column); }
    double real(int column) const { return sqlite3_column_double(stmt_, column); }
    // Valid until the next step.
    std::string_view text(int column) const {
        const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
        if (!data) return {};
        return {data, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column))};
    }

private:
    void bindText(int index, std::string_view text, sqlite3_destructor_type lifetime) {
        sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()), lifetime);
    }

    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

// "?,?,?" with count placeholders, for an IN list of bound values.
std::string placeholders(std::size_t count);

}  // namespace varnel::store
