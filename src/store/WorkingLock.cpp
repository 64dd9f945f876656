#include "store/WorkingLock.h"

#include <QDir>
#include <QFileInfo>

namespace varnel::store {

WorkingDatabaseLock::WorkingDatabaseLock(const QString& workingPath)
    : workingPath_(workingPath), lock_(lockPathOf(workingPath)) {
    // A lock is stale only when its process no longer runs, never by its age:
    // a load or a desktop session may hold it for hours.
    lock_.setStaleLockTime(0);
}

QString WorkingDatabaseLock::lockPathOf(const QString& workingPath) { return workingPath + QStringLiteral(".lock"); }

WorkingDatabaseLock::State WorkingDatabaseLock::acquire() {
    QDir().mkpath(QFileInfo(workingPath_).absolutePath());
    if (lock_.tryLock(0)) return State::Held;
    return lock_.error() == QLockFile::LockFailedError ? State::InUse : State::NotPossible;
}

QString WorkingDatabaseLock::inUseText() const {
    qint64 pid = 0;
    QString host, program;
    const QString path = QDir::toNativeSeparators(workingPath_);
    if (!lock_.getLockInfo(&pid, &host, &program))
        return QStringLiteral("The working database %1 is in use by another process.").arg(path);
    if (program.isEmpty()) program = QStringLiteral("another program");
    return QStringLiteral("The working database %1 is in use by %2 (process %3 on %4).")
        .arg(path, program, QString::number(pid), host);
}

}  // namespace varnel::store
