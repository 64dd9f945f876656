// A small file system of its own for tests of real full-disk and read-only
// failures: a tmpfs of a few kilobytes mounted on a temporary folder. Only
// root can mount one; elsewhere available() is false and the test skips.
#pragma once

#include <sys/mount.h>

#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace varnel::test {

class SmallFileSystem {
public:
    // size in bytes; readOnly mounts it so that nothing can be written.
    explicit SmallFileSystem(int size, bool readOnly = false) {
        if (!dir_.isValid()) return;
        const QByteArray options = "size=" + QByteArray::number(size);
        mounted_ = ::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs",
                           readOnly ? static_cast<unsigned long>(MS_RDONLY) : 0UL, options.constData()) == 0;
    }
    ~SmallFileSystem() {
        if (mounted_) ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
    }
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool available() const { return mounted_; }
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};

}  // namespace varnel::test
