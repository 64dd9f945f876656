// The reason to give for a failed SQLite step: the system's own words where
// the failure came from the system ("No space left on device"), else
// SQLite's message.
#pragma once

#include <sqlite3.h>

#include <QString>
#include <exception>

namespace varnel::store {

// connection may be null when the failing step had none.
QString sqliteFailureReason(const std::exception& failure, sqlite3* connection);

}  // namespace varnel::store
