// A consistent copy of an SQLite database file, made with SQLite's backup
// facility so that a database in use is copied as one state.
#pragma once

#include <QString>
#include <stdexcept>

namespace varnel::app {

class BackupError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Copies the database at source to target, replacing target only when the
// copy is complete. Throws BackupError with a readable reason.
void backupDatabase(const QString& source, const QString& target);

}  // namespace varnel::app
