#include "platform/FolderEntries.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/FileNameBytes.h"

namespace varnel::platform {

std::optional<QStringList> folderEntryNames(const QString& folder) {
    if (folder.isEmpty()) return std::nullopt;
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(fileNameBytes(folder).constData()), &::closedir);
    if (!dir) return std::nullopt;
    QStringList names;
    while (const dirent* entry = ::readdir(dir.get())) {
        if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0) continue;
        names << fileNameFromBytes(QByteArrayView(entry->d_name));
    }
    return names;
}

EntryKind entryKind(const QString& path) {
    const QByteArray bytes = fileNameBytes(path);
    struct stat info {};
    if (::stat(bytes.constData(), &info) == 0) return S_ISREG(info.st_mode) ? EntryKind::RegularFile : EntryKind::Other;
    if (::lstat(bytes.constData(), &info) == 0 && S_ISLNK(info.st_mode)) return EntryKind::BrokenLink;
    return EntryKind::Other;
}

std::optional<QString> canonicalPath(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    const std::unique_ptr<char, void (*)(void*)> resolved(::realpath(fileNameBytes(path).constData(), nullptr),
                                                          &std::free);
    if (!resolved) return std::nullopt;
    return fileNameFromBytes(QByteArrayView(resolved.get()));
}

}  // namespace varnel::platform
