// Small helpers for tests that need files: a temporary folder that is
// removed afterwards, and writing files into it, also under names that are
// not valid UTF-8.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <string_view>
#include <vector>

#include "platform/FileNameBytes.h"

namespace varnel::test {

class TempFolder {
public:
    TempFolder() = default;
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    // Qt's removal does not see entries whose names are not UTF-8: those go
    // first, the latest made first.
    ~TempFolder() {
        for (auto it = madeByBytes_.rbegin(); it != madeByBytes_.rend(); ++it) std::remove(it->constData());
    }

    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }

    // Writes bytes as they are (line ends included) and returns the full path.
    QString write(const QString& name, std::string_view bytes) const {
        QFile f(file(name));
        if (f.open(QIODevice::WriteOnly)) f.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return f.fileName();
    }

    // The same for a name given as bytes, which need not be valid UTF-8; the
    // path is in the text form of FileNameBytes.
    QString writeBytesNamed(QByteArrayView name, std::string_view bytes) const {
        const QString path = file(platform::fileNameFromBytes(name));
        madeByBytes_.push_back(platform::fileNameBytes(path));
        QFile f;
        if (f.open(::open(platform::fileNameBytes(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600),
                   QIODevice::WriteOnly, QFileDevice::AutoCloseHandle))
            f.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return path;
    }

    // A folder in this one whose name is given as bytes.
    QString makeFolderBytesNamed(QByteArrayView name) const {
        const QString path = file(platform::fileNameFromBytes(name));
        madeByBytes_.push_back(platform::fileNameBytes(path));
        ::mkdir(platform::fileNameBytes(path).constData(), 0700);
        return path;
    }

private:
    QTemporaryDir dir_;
    mutable std::vector<QByteArray> madeByBytes_;
};

}  // namespace varnel::test
