// Lock files that no live process holds are taken over, whatever state they
// were left in; one a live process holds never is.
#include <gtest/gtest.h>
#include <sys/file.h>

#include <QCoreApplication>
#include <QFile>
#include <QLockFile>
#include <QSysInfo>

#include "LockFiles.h"
#include "TestFiles.h"
#include "platform/ProcessLock.h"

using varnel::platform::ProcessLock;

namespace {

qint64 holderOf(const QString& path) {
    QLockFile probe(path);
    qint64 pid = 0;
    QString host, program;
    return probe.getLockInfo(&pid, &host, &program) ? pid : 0;
}

TEST(ProcessLock, LocksOfEndedProcessesAndUnreadableLocksAreTakenOver) {
    varnel::test::TempFolder folder;
    const struct {
        const char* name;
        QByteArray contents;
        bool old;
    } left[] = {
        {"ended", varnel::test::lockOfEndedProcess(), false},
        {"empty", "", true},
        {"garbage", QByteArray("\x7f\x01 no pid here\n", 15), true},
        {"no number", "twelve\nvarnel-report\nhost\n", true},
        // Made a moment ago and never written: taken over once it stays so.
        {"empty just now", "", false},
    };
    for (const auto& lockFile : left) {
        const QString path = folder.write("data.lock", lockFile.contents.toStdString());
        if (lockFile.old) {
            ASSERT_TRUE(varnel::test::makeDayOld(path));
        }
        {
            ProcessLock lock(path);
            EXPECT_EQ(lock.acquire(), ProcessLock::State::Held) << lockFile.name;
            EXPECT_EQ(holderOf(path), QCoreApplication::applicationPid()) << lockFile.name;
        }
        EXPECT_FALSE(QFile::exists(path)) << lockFile.name;  // let go with the object
    }
}

TEST(ProcessLock, ALockItsHolderStillHoldsIsNeverTakenOver) {
    varnel::test::TempFolder folder;
    const QString path = folder.file("data.lock");
    {
        QLockFile held(path);
        ASSERT_TRUE(held.tryLock(0));
        ProcessLock lock(path);
        EXPECT_EQ(lock.acquire(), ProcessLock::State::InUse);
        EXPECT_EQ(lock.inUseText("The thing"),
                  QStringLiteral("The thing is in use by varnel_core_tests (process %1 on %2).")
                      .arg(QCoreApplication::applicationPid())
                      .arg(QSysInfo::machineHostName()));
    }
    // A holder that has made its file and locked it but not yet written it.
    folder.write("data.lock", "");
    ASSERT_TRUE(varnel::test::makeDayOld(path));
    QFile maker(path);
    ASSERT_TRUE(maker.open(QIODevice::ReadWrite));
    ASSERT_EQ(::flock(maker.handle(), LOCK_EX | LOCK_NB), 0);
    ProcessLock lock(path);
    EXPECT_EQ(lock.acquire(), ProcessLock::State::InUse);
    EXPECT_EQ(lock.inUseText("The thing"), "The thing is in use by another process.");
    EXPECT_TRUE(QFile::exists(path));
}

}  // namespace
