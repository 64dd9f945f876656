// A file opened for reading only when it is a regular file once links are
// followed: a FIFO is never waited on and a device is never read, so that a
// name that leads to /dev/zero or to a pipe cannot hang the program or fill
// its memory. Paths are in the text form of FileNameBytes.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

namespace varnel::platform {

class RegularFile {
public:
    enum class Opened {
        Yes,
        NotRegular,  // a folder, FIFO, device or socket: not read at all
        Failed,
    };

    explicit RegularFile(const QString& path) : path_(path) {}
    ~RegularFile();
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    Opened open();
    // Why open() failed ("Permission denied"), or what kind of entry it found
    // instead of a file ("a FIFO").
    QString errorString() const { return error_; }

    // The open file's descriptor and its size when it was opened.
    int handle() const { return fd_; }
    int64_t size() const { return size_; }

private:
    QString path_;
    int fd_ = -1;
    int64_t size_ = 0;
    QString error_;
};

// The whole content of a regular file of at most maxBytes bytes; nothing,
// with the reason in problem, for anything else.
std::optional<QByteArray> readRegularFile(const QString& path, int64_t maxBytes, QString& problem);

}  // namespace varnel::platform
