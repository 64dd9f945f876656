// Lock files as other processes leave them: one naming a process that has
// ended, and a file's modification time set back, so that a lock found
// unreadable is plainly not one being written just now.
#pragma once

#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>

namespace varnel::test {

// The contents QLockFile writes, naming a process that has ended.
inline QByteArray lockOfEndedProcess() {
    QByteArray contents;
    {
        QTemporaryDir folder;
        QLockFile own(folder.filePath(QStringLiteral("probe.lock")));
        if (!own.tryLock(0)) return {};
        QFile file(folder.filePath(QStringLiteral("probe.lock")));
        if (file.open(QIODevice::ReadOnly)) contents = file.readAll();
    }
    const pid_t gone = fork();
    if (gone == 0) _exit(0);
    ::waitpid(gone, nullptr, 0);
    return QByteArray::number(gone) + contents.mid(contents.indexOf('\n'));
}

// Sets the file's (or folder's) times a day back.
inline bool makeDayOld(const QString& path) {
    const time_t dayAgo = ::time(nullptr) - 24 * 3600;
    const utimbuf times{dayAgo, dayAgo};
    return ::utime(QFile::encodeName(path).constData(), &times) == 0;
}

}  // namespace varnel::test
