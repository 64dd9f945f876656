// One process at a time per working database: a lock file beside it
// ("PortData.db.lock", Qt's QLockFile), held for as long as the process uses
// the database; a stale one is taken over (see platform::ProcessLock).
#pragma once

#include <QString>

#include "platform/ProcessLock.h"

namespace varnel::store {

class WorkingDatabaseLock {
public:
    using State = platform::ProcessLock::State;

    explicit WorkingDatabaseLock(const QString& workingPath);

    static QString lockPathOf(const QString& workingPath);

    // Takes the lock, creating the folder when it is missing; never waits.
    State acquire() { return lock_.acquire(); }

    // Names the holder after acquire() gave InUse: "The working database
    // <path> is in use by <program> (process <id> on <host>)."
    QString inUseText() const;

private:
    QString workingPath_;
    platform::ProcessLock lock_;
};

}  // namespace varnel::store
