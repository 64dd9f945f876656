#include "platform/WholeFileWriter.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/SignalCleanup.h"

namespace varnel::platform {

namespace {

// The device the content is written to: it buffers in large blocks and
// writes each block whole to the file, retrying short writes, so that every
// failure is caught with the system's own reason; after the first failure
// it takes no more bytes.
class CheckedWriter : public QIODevice {
public:
    explicit CheckedWriter(int fd) : fd_(fd) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }

    // Writes what is still buffered; the reason of the first failure, if any.
    std::optional<QString> finish() {
        drain();
        return failure_;
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        if (failure_) return -1;
        buffer_.append(data, size);
        if (buffer_.size() >= blockBytes) drain();
        return failure_ ? -1 : size;
    }

private:
    static constexpr qsizetype blockBytes = 1 << 16;

    void drain() {
        const char* p = buffer_.constData();
        qsizetype left = buffer_.size();
        while (left > 0 && !failure_) {
            const ssize_t wrote = ::write(fd_, p, static_cast<std::size_t>(left));
            if (wrote < 0 && errno == EINTR) continue;
            if (wrote <= 0) {
                failure_ = systemErrorText(wrote < 0 ? errno : ENOSPC);
                setErrorString(*failure_);
                break;
            }
            p += wrote;
            left -= wrote;
        }
        buffer_.clear();
    }

    int fd_;
    QByteArray buffer_;
    std::optional<QString> failure_;
};

// The temporary file beside the target, hidden and unique, so that two
// writers of the same name never share one.
class Temporary {
public:
    explicit Temporary(const QFileInfo& target)
        : file_(target.dir().filePath(QStringLiteral(".") + target.fileName() + QStringLiteral(".XXXXXX"))) {}

    // Creates the file; the reason when it cannot be created.
    std::optional<QString> create() {
        errno = 0;
        if (file_.open()) {
            cleanup_.set(file_.fileName(), SignalCleanupEntry::Kind::File);
            return std::nullopt;
        }
        // QTemporaryFile words its own failure; the system's reason is clearer.
        return errno != 0 ? systemErrorText(errno) : file_.errorString();
    }

    QTemporaryFile& file() { return file_; }

    // Flushes, syncs and closes the file, then puts it in place of target.
    std::optional<QString> commit(const QString& target) {
        if (file_.error() != QFileDevice::NoError) return file_.errorString();
        if (!file_.isOpen()) return QStringLiteral("The file was closed before it was complete");
        if (!file_.flush()) return file_.errorString();
        if (::fsync(file_.handle()) != 0) return systemErrorText(errno);
        // Readable like any file the user saves, not only by the owner as a
        // temporary file is created.
        file_.setPermissions(QFileInfo::exists(target)
                                 ? QFile::permissions(target)
                                 : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        const QString temporaryPath = file_.fileName();
        file_.close();
        if (file_.error() != QFileDevice::NoError) return file_.errorString();
        if (std::rename(QFile::encodeName(temporaryPath).constData(), QFile::encodeName(target).constData()) != 0)
            return systemErrorText(errno);
        file_.setAutoRemove(false);
        cleanup_.clear();
        syncFolder(QFileInfo(target).absolutePath());
        return std::nullopt;
    }

private:
    // Makes the new name itself last; a folder that cannot be synced still
    // holds the complete file.
    static void syncFolder(const QString& folder) {
        const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) return;
        ::fsync(fd);
        ::close(fd);
    }

    // A termination signal removes the partial file too; declared first, it
    // covers the file until the file is gone.
    SignalCleanupEntry cleanup_;
    QTemporaryFile file_;  // removed with this object unless committed
};

std::optional<QString> targetProblem(const QFileInfo& target) {
    if (!target.dir().exists()) return systemErrorText(ENOENT);
    if (target.isDir()) return systemErrorText(EISDIR);
    return std::nullopt;
}

}  // namespace

QString systemErrorText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

std::optional<WriteFailure> writeWholeFile(const QString& path, const std::function<bool(QIODevice&)>& write) {
    const QFileInfo target(path);
    if (auto problem = targetProblem(target)) return WriteFailure{path, *problem};
    Temporary temporary(target);
    if (auto problem = temporary.create()) return WriteFailure{path, *problem};
    CheckedWriter device(temporary.file().handle());
    const bool written = write(device);
    if (auto problem = device.finish()) return WriteFailure{path, *problem};
    if (!written) return WriteFailure{path, QStringLiteral("The content could not be produced")};
    if (auto problem = temporary.commit(path)) return WriteFailure{path, *problem};
    return std::nullopt;
}

std::optional<WriteFailure> writeWholeFileByName(
    const QString& path, const std::function<std::optional<QString>(const QString& temporaryPath)>& produce) {
    const QFileInfo target(path);
    if (auto problem = targetProblem(target)) return WriteFailure{path, *problem};
    Temporary temporary(target);
    if (auto problem = temporary.create()) return WriteFailure{path, *problem};
    if (auto problem = produce(temporary.file().fileName())) return WriteFailure{path, *problem};
    if (auto problem = temporary.commit(path)) return WriteFailure{path, *problem};
    return std::nullopt;
}

}  // namespace varnel::platform
