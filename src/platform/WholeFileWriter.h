// Writes a file whole or not at all: the content goes to a temporary file in
// the target's folder, every write, the final flush and the sync to disk are
// checked, and only then does the temporary file replace the target. On any
// failure the temporary file is removed and an earlier file of the same name
// stays as it was. Every file the programs write goes through here.
#pragma once

#include <QIODevice>
#include <QString>
#include <functional>
#include <optional>

namespace varnel::platform {

struct WriteFailure {
    QString path;    // the file that could not be written
    QString reason;  // the system's reason, e.g. "No space left on device"
};

// The system's text for an errno value ("Permission denied").
QString systemErrorText(int error);

// Calls write with the device to fill; write returns false when a write of
// its own failed. Returns the failure, or nothing when the file is in place.
std::optional<WriteFailure> writeWholeFile(const QString& path, const std::function<bool(QIODevice&)>& write);

// The same for content that another library writes by file name (a database
// copy): produce fills the temporary file named to it and returns the reason
// of its failure, or nothing.
std::optional<WriteFailure> writeWholeFileByName(
    const QString& path, const std::function<std::optional<QString>(const QString& temporaryPath)>& produce);

}  // namespace varnel::platform
