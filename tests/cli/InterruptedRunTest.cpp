// Programs ended by SIGINT, SIGTERM or SIGHUP in the middle of their work
// leave none of their private files behind, and the next start removes the
// folders of runs that were killed outright.
#include <gtest/gtest.h>
#include <signal.h>

#include <QDir>
#include <QLockFile>
#include <QProcess>
#include <QThread>
#include <functional>
#include <memory>

#include "LockFiles.h"
#include "TestFiles.h"

using namespace varnel;

namespace {

QStringList entriesOf(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// Polls until the condition holds; false after a minute.
bool waitUntil(const std::function<bool()>& condition) {
    for (int waited = 0; waited < 60000; ++waited) {
        if (condition()) return true;
        QThread::msleep(1);
    }
    return false;
}

// The private folder of a program in the temporary folder, once it holds
// the named file; empty until then.
QString privateFolderWith(const QString& temporary, const QString& prefix, const QString& file) {
    for (const QString& name : QDir(temporary).entryList({prefix + "??????"}, QDir::Dirs | QDir::NoDotAndDotDot))
        if (QFileInfo::exists(QDir(temporary).filePath(name + "/" + file))) return name;
    return {};
}

class InterruptedRun : public ::testing::Test {
protected:
    // A million-line day: its load runs long enough to be interrupted.
    static void SetUpTestSuite() {
        day = new test::TempFolder;
        QProcess generator;
        generator.start(QStringLiteral(VARNEL_GENERATE_LOGS_EXE),
                        {"--out", day->path(), "--date", "2004-05-12", "--lines", "1000000", "--seed", "3"});
        generator.waitForFinished(120000);
    }
    static void TearDownTestSuite() { delete day; }

    void TearDown() override {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
    }

    // Starts the program with its temporary folder in a folder of the test.
    void start(const QString& program, const QStringList& arguments) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TMPDIR", temporary.path());
        env.insert("LC_ALL", "C");
        env.insert("TZ", "UTC");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_CONFIG_HOME", settings.path());
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        process.setProcessEnvironment(env);
        process.start(program, arguments);
        ASSERT_TRUE(process.waitForStarted());
    }

    // Sends the signal; true when the program ended by it.
    bool endBy(int signal) {
        ::kill(static_cast<pid_t>(process.processId()), signal);
        return process.waitForFinished(60000) && process.exitStatus() == QProcess::CrashExit;
    }

    static test::TempFolder* day;
    test::TempFolder temporary, data, out, settings, runtime;
    QProcess process;
};

test::TempFolder* InterruptedRun::day = nullptr;

TEST_F(InterruptedRun, TheReportToolRemovesItsPrivateFolderAndOutputLock) {
    // Left by a run killed outright: removed when the next run starts.
    ASSERT_TRUE(QDir(temporary.path()).mkdir("varnel-report-Ended1"));
    temporary.write("varnel-report-Ended1/owner.lock", test::lockOfEndedProcess().toStdString());
    temporary.write("varnel-report-Ended1/CleanPortData.db", "db");

    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        start(VARNEL_REPORT_EXE, {"--logs", day->path(), "--report", "port-availability", "--out-dir", out.path()});
        ASSERT_TRUE(
            waitUntil([&] { return !privateFolderWith(temporary.path(), "varnel-report-", "PortData.db").isEmpty(); }));
        EXPECT_TRUE(endBy(signal)) << signal;
        EXPECT_EQ(entriesOf(temporary.path()), QStringList{}) << signal;
        EXPECT_EQ(entriesOf(out.path()), QStringList{}) << signal;
    }
}

TEST_F(InterruptedRun, WithADataFolderTheReportToolMakesNoTemporaryFolderAndLetsGoOfItsLock) {
    start(VARNEL_REPORT_EXE, {"--logs", day->path(), "--data-dir", data.path()});
    ASSERT_TRUE(waitUntil([&] { return QFileInfo::exists(data.file("PortData.db")); }));
    EXPECT_TRUE(endBy(SIGTERM));
    EXPECT_EQ(entriesOf(temporary.path()), QStringList{});
    EXPECT_FALSE(QFileInfo::exists(data.file("PortData.db.lock")));
}

TEST_F(InterruptedRun, TheDesktopProgramRemovesItsPrivateFolder) {
    // The data folder's database is in use, so the program works in a
    // private folder; it waits on the box that says so when the signal comes.
    QLockFile held(data.file("PortData.db.lock"));
    ASSERT_TRUE(held.tryLock(0));
    start(VARNEL_TRAFFIC_EXE, {"--logs", day->path(), "--data-dir", data.path()});
    ASSERT_TRUE(waitUntil(
        [&] { return !privateFolderWith(temporary.path(), "varnel-traffic-", "PortData.db.lock").isEmpty(); }));
    EXPECT_TRUE(endBy(SIGTERM));
    EXPECT_EQ(entriesOf(temporary.path()), QStringList{});
    EXPECT_TRUE(QFileInfo::exists(data.file("PortData.db.lock")));
}

}  // namespace
