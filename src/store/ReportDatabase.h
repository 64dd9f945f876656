// The one owner of a connection to the working report database.
//
// Thread rules: a ReportDatabase and everything made from it (statements,
// writers) are used by one thread at a time; the connection is opened without
// SQLite's own locking. Another thread may open its own ReportDatabase on the
// same file once the writer's transaction has ended.
#pragma once

#include <SQLiteCpp/Database.h>

#include <QString>

namespace varnel::store {

class ReportDatabase {
public:
    // Opens an existing working database for reading and writing.
    // Throws SQLite::Exception when the file cannot be opened.
    explicit ReportDatabase(const QString& path);

    // Settings for filling a file that is rebuilt at every load anyway:
    // no rollback journal and no syncing.
    void useFastBulkWrites();

    // Settings for the report builds, which rebuild derived tables of a file
    // that the next load replaces: no syncing, the rollback journal in memory.
    void useFastRebuilds();

    SQLite::Database& connection() { return db_; }

    // Number of rows of a table of the schema.
    int64_t rowCount(const char* table);
    // The row number of a table's last row, 0 when it is empty; found without
    // counting the rows. For tables that are only appended to, it is their
    // number of rows.
    int64_t lastRowNumber(const char* table);

private:
    SQLite::Database db_;
};

}  // namespace varnel::store
