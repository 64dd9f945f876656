// Writes a file whole or not at all: the content goes to a temporary file in
// the target's folder, every write, the final flush and the sync to disk are
// checked, and only then does the temporary file replace the target. On any
// failure the temporary file is removed and an earlier file of the same name
// stays as it was.
#pragma once

#include <QIODevice>
#include <QString>
#include <functional>
#include <optional>

namespace varnel::platform {

struct WriteFailure {
    QString path;    // the file that could not be written
    QString reason;  // the system's reason, e.g. "No space left on device"

    // "Unable to write <path>: <reason>"
    QString text() const;
};

// Calls write with the device to fill; write returns false when a write of
// its own failed. Returns the failure, or nothing when the file is in place.
std::optional<WriteFailure> writeWholeFile(const QString& path, const std::function<bool(QIODevice&)>& write);

}  // namespace varnel::platform
