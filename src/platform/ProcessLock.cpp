#include "platform/ProcessLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QThread>
#include <cerrno>

namespace varnel::platform {

namespace {

// A lock file is written right after it is made; one younger than this may
// be caught empty in between.
constexpr qint64 settleMs = 500;

}  // namespace

ProcessLock::ProcessLock(const QString& lockPath) : path_(lockPath), lock_(lockPath) {
    // Stale only when its process no longer runs (or it cannot be read).
    lock_.setStaleLockTime(0);
}

ProcessLock::State ProcessLock::acquire() {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    bool waited = false;
    bool removed = false;
    for (;;) {
        if (lock_.tryLock(0)) {
            cleanup_.set(path_, SignalCleanupEntry::Kind::File);
            return State::Held;
        }
        if (lock_.error() != QLockFile::LockFailedError) return State::NotPossible;
        // A lock naming a process that no longer runs was taken over by
        // tryLock itself; one naming a live process is in use.
        if (removed || !holderUnknown()) return State::InUse;
        const qint64 age = QFileInfo(path_).lastModified().msecsTo(QDateTime::currentDateTime());
        if (!waited && age >= 0 && age < settleMs) {
            waited = true;
            QThread::msleep(static_cast<unsigned long>(settleMs - age));
            continue;
        }
        if (!removeUnreadableLock()) return State::InUse;
        removed = true;
    }
}

bool ProcessLock::holderUnknown() const {
    qint64 pid = 0;
    QString host, program;
    return !lock_.getLockInfo(&pid, &host, &program);
}

// Removes a lock file that names no holder, unless a process still holds
// it open with its lock taken, as QLockFile does for as long as it holds one.
bool ProcessLock::removeUnreadableLock() const {
    const QByteArray name = QFile::encodeName(path_);
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) return true;  // gone meanwhile
        // Not even readable: no lock file QLockFile made for its user.
        return errno == EACCES && ::unlink(name.constData()) == 0;
    }
    const bool removed = ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::unlink(name.constData()) == 0;
    ::close(fd);
    return removed;
}

QString ProcessLock::inUseText(const QString& subject) const {
    qint64 pid = 0;
    QString host, program;
    if (!lock_.getLockInfo(&pid, &host, &program)) return subject + QStringLiteral(" is in use by another process.");
    if (program.isEmpty()) program = QStringLiteral("another program");
    return subject + QStringLiteral(" is in use by %1 (process %2 on %3).").arg(program, QString::number(pid), host);
}

}  // namespace varnel::platform
