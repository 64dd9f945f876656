// A folder of this process's own in the system's temporary folder, for
// working files no other process may touch. Its owner is recorded in a lock
// file inside it; it is removed when the object goes, and by the signal
// cleanup when a termination signal ends the process. A folder whose owner
// ended without removing it (killed outright) is removed by the next start.
#pragma once

#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <memory>

#include "platform/ProcessLock.h"
#include "platform/SignalCleanup.h"

namespace varnel::platform {

// The names of the two programs' private folders begin with these, followed
// by six random characters.
inline constexpr const char* reportToolFolderPrefix = "varnel-report-";
inline constexpr const char* desktopFolderPrefix = "varnel-traffic-";

class PrivateFolder {
public:
    // Makes "<temporary folder>/<prefix>XXXXXX" and takes its owner lock.
    explicit PrivateFolder(const QString& prefix);
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    bool isValid() const { return dir_.isValid(); }
    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }

    static constexpr const char* ownerLockName = "owner.lock";

private:
    // Members go in reverse order: the owner lock while its file is still
    // there, then the folder, and the signal cleanup last, so that the folder
    // is covered until it is removed.
    SignalCleanupEntry cleanup_;
    QTemporaryDir dir_;
    std::unique_ptr<ProcessLock> owner_;
};

// Removes the private folders of both programs in temporaryFolder that no
// live process uses: none of the lock files in it (the owner lock, a working
// database lock) names a process that still runs. A folder without an owner
// lock is removed only once it is older than a minute: its maker may be
// about to lock it.
void removeAbandonedPrivateFolders(const QString& temporaryFolder = QDir::tempPath());

}  // namespace varnel::platform
