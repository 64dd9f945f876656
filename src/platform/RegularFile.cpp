#include "platform/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QLocale>
#include <algorithm>
#include <cerrno>

#include "platform/FileNameBytes.h"
#include "platform/WholeFileWriter.h"

namespace varnel::platform {

namespace {

// What an entry is when it is no regular file.
QString kindOf(mode_t mode) {
    if (S_ISDIR(mode)) return QStringLiteral("a folder");
    if (S_ISFIFO(mode)) return QStringLiteral("a FIFO");
    if (S_ISCHR(mode) || S_ISBLK(mode)) return QStringLiteral("a device");
    if (S_ISSOCK(mode)) return QStringLiteral("a socket");
    return QStringLiteral("not a regular file");
}

QString tooLarge(int64_t maxBytes) {
    return QStringLiteral("it is larger than %1")
        .arg(QLocale::c().formattedDataSize(maxBytes, 0, QLocale::DataSizeTraditionalFormat));
}

}  // namespace

RegularFile::~RegularFile() {
    if (fd_ >= 0) ::close(fd_);
}

RegularFile::Opened RegularFile::open() {
    // Without O_NONBLOCK opening a FIFO waits for a writer, perhaps forever.
    fd_ = ::open(fileNameBytes(path_).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) {
        error_ = systemErrorText(errno);
        return Opened::Failed;
    }
    struct stat info {};
    if (::fstat(fd_, &info) != 0) {
        error_ = systemErrorText(errno);
        return Opened::Failed;
    }
    if (!S_ISREG(info.st_mode)) {
        error_ = kindOf(info.st_mode);
        return Opened::NotRegular;
    }
    ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
    size_ = info.st_size;
    return Opened::Yes;
}

std::optional<QByteArray> readRegularFile(const QString& path, int64_t maxBytes, QString& problem) {
    RegularFile file(path);
    switch (file.open()) {
        case RegularFile::Opened::Yes:
            break;
        case RegularFile::Opened::NotRegular:
            problem = QStringLiteral("it is %1, not a regular file").arg(file.errorString());
            return std::nullopt;
        case RegularFile::Opened::Failed:
            problem = file.errorString();
            return std::nullopt;
    }
    if (file.size() > maxBytes) {
        problem = tooLarge(maxBytes);
        return std::nullopt;
    }
    // One byte more than the size taken at the open, to see a file that grew
    // past the bound meanwhile.
    QByteArray bytes(static_cast<qsizetype>(std::min(file.size(), maxBytes) + 1), Qt::Uninitialized);
    qsizetype got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(file.handle(), bytes.data() + got, static_cast<std::size_t>(bytes.size() - got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            problem = systemErrorText(errno);
            return std::nullopt;
        }
        if (n == 0) break;
        got += n;
    }
    if (got > maxBytes) {
        problem = tooLarge(maxBytes);
        return std::nullopt;
    }
    bytes.truncate(got);
    return bytes;
}

}  // namespace varnel::platform
