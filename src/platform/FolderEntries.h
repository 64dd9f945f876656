// Folders and their entries read by the names' bytes (POSIX calls), so that
// no entry is lost to the decoding of its name: Qt's listings leave out
// names that are not valid UTF-8. Paths and names are in the text form of
// FileNameBytes.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace varnel::platform {

// The names of the folder's entries, without "." and "..", in no particular
// order; nothing when the folder cannot be read.
std::optional<QStringList> folderEntryNames(const QString& folder);

// What an entry leads to once links are followed.
enum class EntryKind {
    RegularFile,  // also a link to one
    BrokenLink,   // a link whose target is missing or that loops
    Other,        // a folder, FIFO, device or socket, or nothing at all
};
EntryKind entryKind(const QString& path);

// The absolute path without links, "." or ".." of an entry that exists.
std::optional<QString> canonicalPath(const QString& path);

}  // namespace varnel::platform
