#include "platform/WholeFileWriter.h"

#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace varnel::platform {

namespace {

QString systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

}  // namespace

QString WriteFailure::text() const {
    return QStringLiteral("Unable to write %1: %2").arg(QDir::toNativeSeparators(path), reason);
}

std::optional<WriteFailure> writeWholeFile(const QString& path, const std::function<bool(QIODevice&)>& write) {
    const QFileInfo target(path);
    if (!target.dir().exists()) return WriteFailure{path, systemReason(ENOENT)};
    if (target.isDir()) return WriteFailure{path, systemReason(EISDIR)};

    QTemporaryFile temporary(
        target.dir().filePath(QStringLiteral(".") + target.fileName() + QStringLiteral(".XXXXXX")));
    if (!temporary.open()) return WriteFailure{path, temporary.errorString()};

    const auto failed = [&](QString reason) {
        temporary.remove();
        return WriteFailure{path, std::move(reason)};
    };
    const bool written = write(temporary);
    // A write that failed inside the buffer shows in the device's error.
    if (!written || temporary.error() != QFileDevice::NoError) return failed(temporary.errorString());
    if (!temporary.flush()) return failed(temporary.errorString());
    if (::fsync(temporary.handle()) != 0) return failed(systemReason(errno));

    // Readable like any file the user saves, not only by the owner as a
    // temporary file is created.
    temporary.setPermissions(target.exists()
                                 ? QFile::permissions(path)
                                 : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    const QString temporaryPath = temporary.fileName();
    temporary.close();
    if (temporary.error() != QFileDevice::NoError) return failed(temporary.errorString());
    if (std::rename(QFile::encodeName(temporaryPath).constData(), QFile::encodeName(path).constData()) != 0)
        return failed(systemReason(errno));
    temporary.setAutoRemove(false);
    return std::nullopt;
}

}  // namespace varnel::platform
