// Load Data from the window: the node lists, the summary and the outcomes.
#include <SQLiteCpp/Database.h>

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QLockFile>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <functional>

#include "SmallFileSystem.h"
#include "TestFiles.h"
#include "mainwindow/MainWindowFixture.h"
#include "shell/StringTable.h"

namespace varnel::app::test {
namespace {

const char* const veyraLists[] = {"listMessageLatencyVeyraNodes", "listNodeTrafficVeyraNodes",
                                  "listNodeErrorVeyraNodes"};
const char* const keldanLists[] = {"listMessageLatencyKeldanNodes", "listNodeTrafficKeldanNodes",
                                   "listNodeErrorKeldanNodes"};
const char* const runReportButtons[] = {"cmdPortUsage", "cmdMessageQueueActivity", "cmdMessageLatency",
                                        "cmdNodeTraffic", "cmdNodeError"};

class MainWindowLoad : public MainWindowFixture {
protected:
    void openOnTwoDays() {
        writeLog("CallLog_20040512.log", dayLines("5/12/2004", "1001", "2001") + dayLines("5/12/2004", "1002", "2001"));
        writeLog("CallLog_20040513.log", dayLines("5/13/2004", "3001", "4001"));
        RunOptions options;
        options.logFolder = logs_.path();
        open(options);
    }
    void expectNodeLists(const QStringList& veyra, const QStringList& keldan) {
        for (const char* name : veyraLists) EXPECT_EQ(entries(*control<QListView>(name)), veyra) << name;
        for (const char* name : keldanLists) EXPECT_EQ(entries(*control<QListView>(name)), keldan) << name;
    }
};

TEST_F(MainWindowLoad, NoDaySelectedSaysSoAndLoadsNothing) {
    openOnTwoDays();
    selectDays({});
    QTest::mouseClick(control<QPushButton>("cmdParseLogs"), Qt::LeftButton);
    EXPECT_EQ(dialogs_.texts(), QStringList{"You must select at least one day to load data for."});
    EXPECT_FALSE(window_->loading());
}

TEST_F(MainWindowLoad, LoadFillsTheNodeListsInFirstOccurrenceOrder) {
    openOnTwoDays();
    selectDays({0});
    loadData();
    expectNodeLists({"1001", "1002"}, {"2001"});
    for (const char* name : runReportButtons) EXPECT_TRUE(control<QPushButton>(name)->isEnabled()) << name;
    EXPECT_TRUE(control<QPushButton>("cmdParseLogs")->isEnabled());
    EXPECT_TRUE(control<QPushButton>("cmdBrowseForDiagFile")->isEnabled());
    // The panel named the file it parsed and is hidden again.
    auto* panel = control<QGroupBox>("frmTitle");
    EXPECT_EQ(panel->title(), "Parsing log file: " + QDir(logs_.path()).filePath("CallLog_20040512.log"));
    EXPECT_FALSE(panel->isVisible());
}

TEST_F(MainWindowLoad, SecondLoadLeavesOnlyItsOwnNodesAndRows) {
    openOnTwoDays();
    selectDays({0});
    loadData();
    selectDays({1});
    loadData();
    expectNodeLists({"3001"}, {"4001"});
    SQLite::Database db(QFile::encodeName(session_->files.workingPath()).toStdString(), SQLite::OPEN_READONLY);
    EXPECT_EQ(db.execAndGet("SELECT COUNT(*) FROM RawMessageData").getInt(), 2);
    EXPECT_EQ(db.execAndGet("SELECT COUNT(*) FROM RawPortData").getInt(), 2);
}

TEST_F(MainWindowLoad, SummaryOfATwoDayLoadNamesTheFirstDayEntry) {
    openOnTwoDays();
    selectDays({0, 1});
    loadData();
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].text,
              "Traffic information found in logs for 05/12/2004 Wednesday\r\n"
              "Inbound Calls=3\r\n"
              "Outbound Calls=0\r\n"
              "Inbound Messages Delivered=0\r\n"
              "Outbound Messages Delivered=3\r\n"
              "Inbound NDNs=0\r\n"
              "Outbound NDNs=3\r\n");
    expectNodeLists({"1001", "1002", "3001"}, {"2001", "4001"});
}

TEST_F(MainWindowLoad, ControlsThatWouldStartMoreWorkAreOffWhileLoading) {
    openOnTwoDays();
    selectDays({0, 1});
    QSignalSpy ended(window_.get(), &MainWindow::loadEnded);
    QTest::mouseClick(control<QPushButton>("cmdParseLogs"), Qt::LeftButton);
    ASSERT_TRUE(window_->loading());
    EXPECT_FALSE(control<QPushButton>("cmdParseLogs")->isEnabled());
    EXPECT_FALSE(control<QPushButton>("cmdBrowseForDiagFile")->isEnabled());
    EXPECT_FALSE(control<QAction>("mnuSaveDatabase")->isEnabled());
    for (const char* name : runReportButtons) EXPECT_FALSE(control<QPushButton>(name)->isEnabled()) << name;
    EXPECT_EQ(window_->cursor().shape(), Qt::WaitCursor);
    ASSERT_TRUE(ended.wait(20000));
    EXPECT_FALSE(window_->loading());
    EXPECT_TRUE(control<QAction>("mnuSaveDatabase")->isEnabled());
    EXPECT_EQ(window_->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(MainWindowLoad, ExitOrClosingDuringALoadStopsItAndLetsGoOfTheDatabase) {
    // A day long enough that its load is still running when the user leaves.
    QProcess generator;
    generator.start(QStringLiteral(VARNEL_GENERATE_LOGS_EXE),
                    {"--out", logs_.path(), "--date", "2004-05-12", "--lines", "1000000", "--seed", "5"});
    ASSERT_TRUE(generator.waitForFinished(120000));
    QFile log(QDir(logs_.path()).filePath("CallLog_20040512.log"));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QByteArray bytes = log.readAll();
    const int64_t calls = bytes.count(",INCOMING,") + bytes.count(",OUTGOING,");

    const std::function<void()> leave[] = {[this] { control<QAction>("mnuExit")->trigger(); },
                                           [this] { window_->close(); }};
    for (const auto& leaveNow : leave) {
        RunOptions options;
        options.logFolder = logs_.path();
        open(options);
        selectDays({0});
        QTest::mouseClick(control<QPushButton>("cmdParseLogs"), Qt::LeftButton);
        // The parse has begun.
        ASSERT_TRUE(QTest::qWaitFor([this] { return control<QGroupBox>("frmTitle")->isVisible(); }, 60000));
        exits_ = 0;
        leaveNow();
        EXPECT_EQ(exits_, 1);
        window_.reset();  // as the program does once its event loop has ended
        const ingest::LoadCounters& counted = session_->ingest.counters;
        EXPECT_LT(counted.inboundCalls + counted.outboundCalls, calls) << "the load ran to its end";
        session_.reset();
        EXPECT_FALSE(QFile::exists(QDir(data_.path()).filePath("PortData.db.lock")));
    }
    EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(MainWindowLoad, AFolderAndALogWhoseNamesAreNotUtf8AreReadAndShownReplaced) {
    // Given with --logs, as the file dialog cannot pick such a folder.
    const varnel::test::TempFolder parent;
    RunOptions options;
    options.logFolder = parent.makeFolderBytesNamed("logs \xfe");
    const QStringList lines = dayLines("5/12/2004", "1001", "2001") << "no time,INCOMING,7,10,1";
    parent.writeBytesNamed("logs \xfe/CallLog_20040512_\xff.log", (lines.join("\r\n") + "\r\n").toStdString());
    open(options);
    const QString replaced = QString(QChar(0xFFFD));
    EXPECT_EQ(control<QLineEdit>("txtDiagFilePath")->text(), parent.path() + "/logs " + replaced);
    ASSERT_EQ(control<QListWidget>("listReportDate")->count(), 1);

    selectDays({0});
    loadData();
    EXPECT_TRUE(control<QPushButton>("cmdPortUsage")->isEnabled());
    // The line that failed is reported with the log's name as it can be shown.
    const QStringList texts = dialogs_.texts();
    ASSERT_EQ(texts.size(), 2) << texts.join('|').toStdString();
    EXPECT_TRUE(texts[0].contains("/logs " + replaced + "/CallLog_20040512_" + replaced + ".log"))
        << texts[0].toStdString();
    EXPECT_TRUE(texts[1].startsWith("Traffic information found in logs for 05/12/2004"));
}

TEST_F(MainWindowLoad, LogsWithoutCallsDisableTheReports) {
    openOnTwoDays();
    selectDays({0});
    loadData();
    writeLog("CallLog_20040514.log", {"5/14/2004 09:00:00,NEW OUTGOING MESSAGE,1001,2001,G9,OK,1,1,1"});
    RunOptions options;
    options.logFolder = logs_.path();
    window_->formLoad(options);
    dialogs_.messages.clear();
    selectDays({2});
    loadData();
    EXPECT_EQ(dialogs_.texts(), QStringList{shell::myLoadResString(61)});
    for (const char* name : runReportButtons) EXPECT_FALSE(control<QPushButton>(name)->isEnabled()) << name;
    expectNodeLists({}, {});
}

TEST_F(MainWindowLoad, CallsWithoutMessagesSayNoMessageTraffic) {
    writeLog("CallLog_20040512.log", {"5/12/2004 08:00:01,OUTGOING,3,10,1"});
    RunOptions options;
    options.logFolder = logs_.path();
    open(options);
    selectDays({0});
    loadData();
    EXPECT_EQ(dialogs_.texts(), QStringList{"No message traffic data found in selected logs!"});
    for (const char* name : runReportButtons) EXPECT_FALSE(control<QPushButton>(name)->isEnabled()) << name;
}

TEST_F(MainWindowLoad, SaveDatabaseWritesACopyOfTheLoadedData) {
    openOnTwoDays();
    selectDays({0});
    loadData();
    const QString target = QDir(data_.path()).filePath("kept.db");
    dialogs_.saveAnswer = target;
    dialogs_.messages.clear();
    control<QAction>("mnuSaveDatabase")->trigger();
    EXPECT_TRUE(dialogs_.messages.empty());
    SQLite::Database copy(QFile::encodeName(target).toStdString(), SQLite::OPEN_READONLY);
    EXPECT_EQ(copy.execAndGet("SELECT COUNT(*) FROM RawMessageData").getInt(), 4);
}

TEST_F(MainWindowLoad, SaveDatabaseThatFailsSaysWhy) {
    openOnTwoDays();
    const QString target = QDir(data_.path()).filePath("no such folder/kept.db");
    dialogs_.saveAnswer = target;
    control<QAction>("mnuSaveDatabase")->trigger();
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_TRUE(dialogs_.messages[0].text.startsWith("Unable to save the database to " + target + ": "));
    EXPECT_EQ(dialogs_.messages[0].icon, platform::UserMessage::Icon::Critical);
}

TEST_F(MainWindowLoad, SaveDatabaseToAFullDiskSaysSoAndKeepsTheEarlierFile) {
    ::varnel::test::SmallFileSystem disk(64 * 1024);
    if (!disk.available()) GTEST_SKIP() << "a small file system can only be mounted as root";
    openOnTwoDays();
    selectDays({0});
    loadData();
    const QString target = disk.file("kept.db");
    {
        QFile earlier(target);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
    }
    dialogs_.saveAnswer = target;
    dialogs_.messages.clear();
    control<QAction>("mnuSaveDatabase")->trigger();
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].text, "Unable to save the database to " + target + ": No space left on device");
    QFile kept(target);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "earlier");
    EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"kept.db"});
}

TEST_F(MainWindowLoad, WorkingDatabaseInUseSaysSoAndLoadsIntoAPrivateOne) {
    writeLog("CallLog_20040512.log", dayLines("5/12/2004", "1001", "2001"));
    const QString shared = QDir(data_.path()).filePath("PortData.db");
    QLockFile held(shared + ".lock");
    ASSERT_TRUE(held.tryLock(0));
    RunOptions options;
    options.logFolder = logs_.path();
    open(options);

    ASSERT_EQ(dialogs_.messages.size(), 1u);
    const QString message = dialogs_.messages[0].text;
    EXPECT_TRUE(message.startsWith("The working database " + shared + " is in use by ")) << message.toStdString();
    EXPECT_TRUE(message.contains(QString::number(QCoreApplication::applicationPid())));
    const QString own = control<QLineEdit>("txtDatabasePath")->text();
    EXPECT_NE(own, shared);
    EXPECT_TRUE(message.contains(QFileInfo(own).path())) << message.toStdString();

    dialogs_.messages.clear();
    selectDays({0});
    loadData();
    expectNodeLists({"1001"}, {"2001"});
    EXPECT_TRUE(dialogs_.texts().first().startsWith("Traffic information found"))
        << dialogs_.texts().join('|').toStdString();
    EXPECT_FALSE(QFile::exists(shared)) << "the other process's file is left alone";
    SQLite::Database db(QFile::encodeName(own).toStdString(), SQLite::OPEN_READONLY);
    EXPECT_EQ(db.execAndGet("SELECT COUNT(*) FROM RawMessageData").getInt(), 2);

    // The private folder goes with the program.
    window_.reset();
    session_.reset();
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(own).path()));
}

TEST_F(MainWindowLoad, TheWindowHoldsTheWorkingDatabaseForTheWholeRun) {
    openOnTwoDays();
    const QString lockPath = QDir(data_.path()).filePath("PortData.db.lock");
    QLockFile other(lockPath);
    EXPECT_FALSE(other.tryLock(0));
    window_.reset();
    session_.reset();
    EXPECT_TRUE(other.tryLock(0));
}

TEST_F(MainWindowLoad, SaveDatabaseCancelledDoesNothing) {
    openOnTwoDays();
    control<QAction>("mnuSaveDatabase")->trigger();
    EXPECT_EQ(dialogs_.saveSuggestions.size(), 1);
    EXPECT_TRUE(dialogs_.messages.empty());
}

}  // namespace
}  // namespace varnel::app::test
