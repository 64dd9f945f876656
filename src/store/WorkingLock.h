// One process at a time per working database: a lock file beside it
// ("PortData.db.lock", Qt's QLockFile), held for as long as the process uses
// the database. A lock left by a process that no longer runs is taken over.
#pragma once

#include <QLockFile>
#include <QString>

namespace varnel::store {

class WorkingDatabaseLock {
public:
    enum class State {
        Held,         // this process holds the lock
        InUse,        // another running process holds it
        NotPossible,  // no lock file can be made there (read-only folder and the like)
    };

    explicit WorkingDatabaseLock(const QString& workingPath);

    static QString lockPathOf(const QString& workingPath);

    // Takes the lock, creating the folder when it is missing; never waits.
    State acquire();

    // Names the holder after acquire() gave InUse: "The working database
    // <path> is in use by <program> (process <id> on <host>)."
    QString inUseText() const;

private:
    QString workingPath_;
    QLockFile lock_;
};

}  // namespace varnel::store
