#include "store/ReportDatabase.h"

#include <SQLiteCpp/Statement.h>

#include <QFile>

namespace varnel::store {

ReportDatabase::ReportDatabase(const QString& path)
    : db_(QFile::encodeName(path).toStdString(), SQLite::OPEN_READWRITE | SQLite::OPEN_NOMUTEX) {
    db_.setBusyTimeout(2000);
}

void ReportDatabase::useFastBulkWrites() {
    db_.exec("PRAGMA journal_mode=OFF");
    db_.exec("PRAGMA synchronous=OFF");
    // Rows go in at the end of each table, so only its last pages are
    // worked on: a small cache keeps them in the processor's cache, where a
    // 16 MB one made storing a fifth slower.
    db_.exec("PRAGMA cache_size=-2048");
}

void ReportDatabase::useFastRebuilds() {
    db_.exec("PRAGMA journal_mode=MEMORY");
    db_.exec("PRAGMA synchronous=OFF");
    // Rebuilds append rows and scan the raw tables once, so only the last
    // pages of the table being written are worked on again: a 2 MB cache
    // keeps them in the processor's cache, where a 16 MB one made storing the
    // latency table half as slow again.
    db_.exec("PRAGMA cache_size=-2048");
}

int64_t ReportDatabase::rowCount(const char* table) {
    // Table names come from the program's own constants, never from input.
    SQLite::Statement count(db_, std::string("SELECT COUNT(*) FROM ") + table);
    count.executeStep();
    return count.getColumn(0).getInt64();
}

int64_t ReportDatabase::lastRowNumber(const char* table) {
    SQLite::Statement last(db_, std::string("SELECT MAX(rowid) FROM ") + table);
    last.executeStep();
    return last.getColumn(0).getInt64();
}

}  // namespace varnel::store
