#include "store/SqliteFailure.h"

#include <SQLiteCpp/Exception.h>

#include <cerrno>

#include "platform/WholeFileWriter.h"

namespace varnel::store {

QString sqliteFailureReason(const std::exception& failure, sqlite3* connection) {
    const QString own = QString::fromUtf8(failure.what());
    const auto* sqlite = dynamic_cast<const SQLite::Exception*>(&failure);
    if (!sqlite) return own;
    switch (sqlite->getErrorCode()) {
        // SQLite keeps no system error for a full disk; it is always this one.
        case SQLITE_FULL:
            return platform::systemErrorText(ENOSPC);
        case SQLITE_IOERR:
        case SQLITE_CANTOPEN:
        case SQLITE_READONLY:
            if (connection)
                if (const int error = sqlite3_system_errno(connection)) return platform::systemErrorText(error);
            return own;
        default:
            return own;
    }
}

}  // namespace varnel::store
