// The six tables of the report database and the SQL that creates them.
#pragma once

namespace SQLite {
class Database;
}

namespace varnel::store {

// Raised whenever the tables or the file layout change, so that a template
// written by an earlier build is made again.
inline constexpr int schemaVersion = 1;

// Creates every table of the report database in an empty database and marks
// it with schemaVersion.
void createSchema(SQLite::Database& db);

// The schema version a database file was made with (0 for one made by none).
int storedSchemaVersion(SQLite::Database& db);

// True when db holds exactly what createSchema makes (the six tables with
// their columns, nothing more, this build's version), every table empty, and
// passes SQLite's quick check: a template fit to be copied.
bool isEmptyReportDatabase(SQLite::Database& db);

}  // namespace varnel::store
