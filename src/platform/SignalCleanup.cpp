#include "platform/SignalCleanup.h"

#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QFile>
#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstddef>
#include <cstring>

namespace varnel::platform {

namespace {

constexpr std::size_t slotCount = 64;
constexpr std::size_t pathBytes = 4096;

enum SlotState : int { Free, Writing, Active };

struct Slot {
    std::atomic<int> state{Free};
    SignalCleanupEntry::Kind kind = SignalCleanupEntry::Kind::File;
    char path[pathBytes] = {};
};

std::array<Slot, slotCount> registered;

constexpr int cleanedSignals[] = {SIGINT, SIGTERM, SIGHUP};

// The entries of a folder as the kernel hands them out; the C library's
// directory functions allocate memory, which a signal handler must not.
struct KernelDirent {
    uint64_t inode;
    int64_t offset;
    unsigned short length;
    unsigned char type;
    char name[1];  // as long as the entry's name, ended by a zero byte
};

bool isDotOrDotDot(const char* name) { return name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)); }

// Unlinks every file directly in the folder, then the folder. Unlinking
// while reading may pass entries over, so the folder is read again until a
// reading removes nothing.
void emptyAndRemoveFolder(const char* path) {
    const int fd = ::open(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        alignas(8) char buffer[4096];
        for (int pass = 0; pass < 8; ++pass) {
            bool removed = false;
            ::lseek(fd, 0, SEEK_SET);
            for (;;) {
                const long got = ::syscall(SYS_getdents64, fd, buffer, sizeof buffer);
                if (got <= 0) break;
                for (long at = 0; at < got;) {
                    const auto* entry = reinterpret_cast<const KernelDirent*>(buffer + at);
                    const char* name = buffer + at + offsetof(KernelDirent, name);
                    if (!isDotOrDotDot(name) && ::unlinkat(fd, name, 0) == 0) removed = true;
                    at += entry->length;
                }
            }
            if (!removed) break;
        }
        ::close(fd);
    }
    ::rmdir(path);
}

void onTerminationSignal(int signal) {
    const int savedErrno = errno;
    for (Slot& slot : registered)
        if (slot.state.load(std::memory_order_acquire) == Active && slot.kind == SignalCleanupEntry::Kind::File)
            ::unlink(slot.path);
    for (Slot& slot : registered)
        if (slot.state.load(std::memory_order_acquire) == Active && slot.kind == SignalCleanupEntry::Kind::Folder)
            emptyAndRemoveFolder(slot.path);
    errno = savedErrno;
    // The handler was reset to the default on entry, and the signal is
    // blocked until the handler returns: then it ends the process as usual.
    ::raise(signal);
}

}  // namespace

void installSignalCleanup() {
    struct sigaction action {};
    action.sa_handler = &onTerminationSignal;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (const int signal : cleanedSignals) sigaddset(&action.sa_mask, signal);
    for (const int signal : cleanedSignals) {
        struct sigaction previous {};
        // A signal ignored by whoever started the process (nohup) stays ignored.
        if (::sigaction(signal, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN) continue;
        ::sigaction(signal, &action, nullptr);
    }
}

SignalCleanupEntry::SignalCleanupEntry(const QString& path, Kind kind) { set(path, kind); }

SignalCleanupEntry::~SignalCleanupEntry() { clear(); }

void SignalCleanupEntry::set(const QString& path, Kind kind) {
    clear();
    const QByteArray encoded = QFile::encodeName(path);
    if (encoded.isEmpty() || static_cast<std::size_t>(encoded.size()) >= pathBytes) return;
    for (std::size_t index = 0; index < slotCount; ++index) {
        Slot& slot = registered[index];
        int expected = Free;
        if (!slot.state.compare_exchange_strong(expected, Writing, std::memory_order_acq_rel)) continue;
        slot.kind = kind;
        std::memcpy(slot.path, encoded.constData(), static_cast<std::size_t>(encoded.size()) + 1);
        slot.state.store(Active, std::memory_order_release);
        slot_ = static_cast<int>(index);
        return;
    }
}

void SignalCleanupEntry::clear() {
    if (slot_ < 0) return;
    registered[static_cast<std::size_t>(slot_)].state.store(Free, std::memory_order_release);
    slot_ = -1;
}

}  // namespace varnel::platform
