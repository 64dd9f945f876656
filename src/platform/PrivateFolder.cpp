#include "platform/PrivateFolder.h"

#include <unistd.h>

#include <QDateTime>
#include <QFileInfo>
#include <vector>

namespace varnel::platform {

namespace {

constexpr qint64 unlockedGraceSeconds = 60;

}  // namespace

PrivateFolder::PrivateFolder(const QString& prefix) : dir_(QDir::temp().filePath(prefix + QStringLiteral("XXXXXX"))) {
    if (!dir_.isValid()) return;
    cleanup_.set(dir_.path(), SignalCleanupEntry::Kind::Folder);
    owner_ = std::make_unique<ProcessLock>(dir_.filePath(QString::fromLatin1(ownerLockName)));
    owner_->acquire();
}

namespace {

// Takes over every lock file in the folder, the owner lock among them; false
// when a live process holds one of them. The locks taken are let go with
// the list.
bool takeOverLocks(const QDir& folder, std::vector<std::unique_ptr<ProcessLock>>& taken) {
    for (const QString& name : folder.entryList({QStringLiteral("*.lock")}, QDir::Files | QDir::Hidden)) {
        auto lock = std::make_unique<ProcessLock>(folder.filePath(name));
        if (lock->acquire() != ProcessLock::State::Held) return false;
        taken.push_back(std::move(lock));
    }
    return true;
}

}  // namespace

void removeAbandonedPrivateFolders(const QString& temporaryFolder) {
    const QDir temporary(temporaryFolder);
    const QDateTime now = QDateTime::currentDateTime();
    for (const char* prefix : {reportToolFolderPrefix, desktopFolderPrefix}) {
        const QStringList pattern{QString::fromLatin1(prefix) + QStringLiteral("??????")};
        for (const QFileInfo& folder :
             temporary.entryInfoList(pattern, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks)) {
            // Another user's folder is theirs to clean.
            if (folder.ownerId() != ::getuid()) continue;
            QDir dir(folder.filePath());
            if (!dir.exists(QString::fromLatin1(PrivateFolder::ownerLockName)) &&
                folder.lastModified().secsTo(now) < unlockedGraceSeconds)
                continue;
            {
                std::vector<std::unique_ptr<ProcessLock>> taken;
                if (!takeOverLocks(dir, taken)) continue;
            }
            dir.removeRecursively();
        }
    }
}

}  // namespace varnel::platform
