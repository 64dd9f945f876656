// What a termination signal removes, and the start-up removal of private
// folders whose owner ended without removing them.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <csignal>

#include "LockFiles.h"
#include "TestFiles.h"
#include "platform/PrivateFolder.h"
#include "platform/SignalCleanup.h"

using namespace varnel;
using platform::SignalCleanupEntry;

namespace {

TEST(SignalCleanup, ATerminationSignalRemovesWhatIsRegisteredAndStillEndsTheProcess) {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        test::TempFolder root;
        ASSERT_TRUE(QDir(root.path()).mkdir("private"));
        const QString inside = root.write("private/PortData.db", "db");
        root.write("private/.partial", "x");
        const QString partial = root.write(".Summary.csv.abc123", "half");
        const QString released = root.write("released.lock", "mine");
        const QString kept = root.write("kept.csv", "keep");

        const pid_t child = fork();
        if (child == 0) {
            platform::installSignalCleanup();
            SignalCleanupEntry folder(root.file("private"), SignalCleanupEntry::Kind::Folder);
            SignalCleanupEntry file(partial, SignalCleanupEntry::Kind::File);
            SignalCleanupEntry gone(released, SignalCleanupEntry::Kind::File);
            gone.clear();
            ::raise(signal);
            _exit(0);  // not reached: the signal ends the process
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal;
        EXPECT_FALSE(QFile::exists(inside)) << signal;
        EXPECT_FALSE(QFileInfo::exists(root.file("private"))) << signal;
        EXPECT_FALSE(QFile::exists(partial)) << signal;
        EXPECT_TRUE(QFile::exists(released)) << signal;
        EXPECT_TRUE(QFile::exists(kept)) << signal;
    }
}

TEST(PrivateFolder, FoldersOfEndedOwnersAreRemovedAndLiveOrNewOnesKept) {
    test::TempFolder temporary;
    const QDir dir(temporary.path());
    const auto make = [&](const char* name, std::optional<QByteArray> owner, bool old) {
        dir.mkdir(name);
        temporary.write(QString::fromLatin1(name) + "/PortData.db", "db");
        if (owner) temporary.write(QString::fromLatin1(name) + "/owner.lock", owner->toStdString());
        if (old) {
            if (owner) test::makeDayOld(dir.filePath(QString::fromLatin1(name) + "/owner.lock"));
            test::makeDayOld(dir.filePath(name));
        }
    };
    make("varnel-report-ended1", test::lockOfEndedProcess(), false);
    make("varnel-traffic-Garbg1", QByteArray("garbage"), true);
    make("varnel-report-nolck1", std::nullopt, true);
    make("varnel-report-young1", std::nullopt, false);  // its maker may be about to lock it
    make("varnel-report-live01", std::nullopt, true);
    QLockFile live(dir.filePath("varnel-report-live01/owner.lock"));
    ASSERT_TRUE(live.tryLock(0));
    // Without an owner lock, but a live process works on its database.
    make("varnel-traffic-works1", std::nullopt, true);
    QLockFile working(dir.filePath("varnel-traffic-works1/PortData.db.lock"));
    ASSERT_TRUE(working.tryLock(0));
    test::makeDayOld(dir.filePath("varnel-traffic-works1"));
    make("varnel-report-toolong", test::lockOfEndedProcess(), true);
    make("other-abcdef", test::lockOfEndedProcess(), true);

    platform::removeAbandonedPrivateFolders(temporary.path());
    EXPECT_EQ(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name),
              (QStringList{"other-abcdef", "varnel-report-live01", "varnel-report-toolong", "varnel-report-young1",
                           "varnel-traffic-works1"}));
}

TEST(PrivateFolder, IsLockedByItsOwnerAndGoesWithIt) {
    QString path;
    {
        platform::PrivateFolder folder(platform::reportToolFolderPrefix);
        ASSERT_TRUE(folder.isValid());
        path = folder.path();
        EXPECT_TRUE(QFileInfo(path).fileName().startsWith("varnel-report-"));
        QLockFile owner(folder.filePath("owner.lock"));
        EXPECT_FALSE(owner.tryLock(0));
        // A start-up meanwhile leaves it alone.
        platform::removeAbandonedPrivateFolders(QFileInfo(path).absolutePath());
        EXPECT_TRUE(QFileInfo::exists(path));
    }
    EXPECT_FALSE(QFileInfo::exists(path));
}

}  // namespace
