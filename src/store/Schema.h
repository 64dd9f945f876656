// The six tables of the report database and the SQL that creates them.
#pragma once

namespace SQLite { class Database; }

namespace varnel::store {

// Creates every table of the report database in an empty database.
void createSchema(SQLite::Database& db);

}  // namespace varnel::store
