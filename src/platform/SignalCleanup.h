// What a process removes when SIGINT, SIGTERM or SIGHUP ends it: the private
// folders, lock files and partial files that an orderly end removes by
// itself. The handler only unlinks paths registered beforehand (no memory is
// allocated, no lock taken), then lets the signal end the process as it
// would have without a handler.
#pragma once

#include <QString>

namespace varnel::platform {

// Installs the handler for the three signals; call once at start, before any
// thread is started.
void installSignalCleanup();

// One path removed by the handler while this object lives. A folder is
// emptied of the files directly in it, then removed. Best effort: with
// every place taken, or a path too long, nothing is registered.
class SignalCleanupEntry {
public:
    enum class Kind { File, Folder };

    SignalCleanupEntry() = default;
    SignalCleanupEntry(const QString& path, Kind kind);
    ~SignalCleanupEntry();
    SignalCleanupEntry(const SignalCleanupEntry&) = delete;
    SignalCleanupEntry& operator=(const SignalCleanupEntry&) = delete;

    // Registers path, replacing what this entry registered before.
    void set(const QString& path, Kind kind);
    // Registers nothing any more.
    void clear();

private:
    int slot_ = -1;
};

}  // namespace varnel::platform
