// One process at a time: a lock file (Qt's QLockFile) held for as long as
// the process uses what it guards. A lock is stale, and taken over, when it
// names a process that no longer runs, or when it cannot be read at all
// (empty, garbage, unreadable): never by its age, since a load or a desktop
// session may hold a lock for hours. While held, the lock file is also
// removed when a termination signal ends the process.
#pragma once

#include <QLockFile>
#include <QString>

#include "platform/SignalCleanup.h"

namespace varnel::platform {

class ProcessLock {
public:
    enum class State {
        Held,         // this process holds the lock
        InUse,        // another running process holds it
        NotPossible,  // no lock file can be made there (read-only folder and the like)
    };

    explicit ProcessLock(const QString& lockPath);

    // Takes the lock, creating its folder when it is missing; never waits,
    // except for a moment on a lock file found unreadable that was made just
    // now, which its maker may still be writing.
    State acquire();

    // "<subject> is in use by <program> (process <id> on <host>)." after
    // acquire() gave InUse.
    QString inUseText(const QString& subject) const;

private:
    bool holderUnknown() const;
    bool removeUnreadableLock() const;

    QString path_;
    // Goes after the lock, so that the lock file is covered until it is
    // removed.
    SignalCleanupEntry cleanup_;
    QLockFile lock_;
};

}  // namespace varnel::platform
