// A prepared SQL statement used through SQLite's C API, for report builds
// that read or write hundreds of thousands of rows. Every value reaches the
// statement as a bound parameter; columns are read by position.
#pragma once

#include <SQLiteCpp/Database.h>

#include <cstdint>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace varnel::store {

class Query {
public:
    // Throws SQLite::Exception when the text does not prepare.
    Query(SQLite::Database& db, std::string_view sql);
    ~Query();
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    // Parameters are numbered from 1.
    void bind(int index, int64_t value);
    void bind(int index, double value);
    void bind(int index, std::string_view text);  // copied
    void bindNull(int index);

    // Steps to the next result row; false when there is none. Throws on failure.
    bool next();
    // Steps a statement without result rows once and makes it ready to run again.
    void run();
    void reset();

    // Columns are numbered from 0.
    bool isNull(int column) const;
    int64_t integer(int column) const;
    double real(int column) const;
    // Valid until the next step.
    std::string_view text(int column) const;

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

// "?,?,?" with count placeholders, for an IN list of bound values.
std::string placeholders(std::size_t count);

}  // namespace varnel::store
