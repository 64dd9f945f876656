// Start-up, the log folder choice and the stored setting.
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTest>
#include <QTimeEdit>

#include "mainwindow/MainWindowFixture.h"
#include "shell/StringTable.h"

namespace varnel::app::test {
namespace {

using shell::myLoadResString;

const char* const runReportButtons[] = {"cmdPortUsage", "cmdMessageQueueActivity", "cmdMessageLatency",
                                        "cmdNodeTraffic", "cmdNodeError"};

class MainWindowStart : public MainWindowFixture {};

TEST_F(MainWindowStart, FirstStartWithoutTheSetting) {
    MainWindow& window = open();

    EXPECT_TRUE(dialogs_.messages.empty()) << dialogs_.texts().join('|').toStdString();
    EXPECT_TRUE(
        QFile::exists(QSettings(QSettings::NativeFormat, QSettings::UserScope, "Dravon", "Varnel Reports").fileName()))
        << "the settings key is created";
    EXPECT_EQ(control<QLineEdit>("txtDiagFilePath")->text(), QString());
    EXPECT_FALSE(control<QPushButton>("cmdParseLogs")->isEnabled());
    EXPECT_TRUE(control<QPushButton>("cmdBrowseForDiagFile")->isEnabled());
    for (const char* name : runReportButtons) EXPECT_FALSE(control<QPushButton>(name)->isEnabled()) << name;

    // The working database is made fresh from the template anyway.
    const QString working = QDir(data_.path()).filePath("PortData.db");
    EXPECT_TRUE(QFile::exists(working));
    EXPECT_TRUE(QFile::exists(QDir(data_.path()).filePath("CleanPortData.db")));
    EXPECT_EQ(control<QLineEdit>("txtDatabasePath")->text(), QDir::toNativeSeparators(working));
    EXPECT_EQ(session_->files.workingPath(), working);
    EXPECT_GT(session_->ingest.reportDate.year, 2000);

    EXPECT_EQ(window.windowTitle(), "Varnel Traffic Analyzer");
    EXPECT_EQ(control<QGroupBox>("frmTitle")->title(), "Frame1");
    EXPECT_FALSE(control<QGroupBox>("frmTitle")->isVisible());
    EXPECT_NE(control<QProgressBar>("ProgressBar"), nullptr);
}

TEST_F(MainWindowStart, CaptionsComeFromTheStringTable) {
    open();
    auto* tabs = control<QTabWidget>("SSTab1");
    ASSERT_EQ(tabs->count(), 5);
    EXPECT_EQ(tabs->tabText(0), myLoadResString(86));
    EXPECT_EQ(tabs->tabText(1), myLoadResString(54));
    EXPECT_EQ(tabs->tabText(2), myLoadResString(52));
    EXPECT_EQ(tabs->tabText(3), myLoadResString(71));
    EXPECT_EQ(tabs->tabText(4), "Non-delivery Notifications");
    EXPECT_EQ(control<QGroupBox>("frmStoreDatabaseAt")->title(), "Generate Report From:");
    EXPECT_EQ(control<QPushButton>("cmdParseLogs")->text(), "Load Data");
    EXPECT_EQ(control<QPushButton>("cmdBrowseForDiagFile")->text(), "Browse...");
    EXPECT_EQ(control<QGroupBox>("frMessageLatencyTimes")->title(), myLoadResString(111));
    EXPECT_EQ(control<QGroupBox>("frNodeTrafficTimes")->title(), myLoadResString(112));
    EXPECT_EQ(control<QGroupBox>("frNodeErrorKeldanNodes")->title(), "KeldanNet Nodes");
    for (const char* name : runReportButtons) EXPECT_EQ(control<QPushButton>(name)->text(), "Run Report") << name;
    EXPECT_EQ(control<QMenu>("mnuFile")->title(), "File");
    EXPECT_EQ(control<QAction>("mnuSaveDatabase")->text(), "Save Database");
    EXPECT_EQ(control<QAction>("mnuExit")->text(), "Exit");
    EXPECT_EQ(control<QAction>("mnuCheckForUpdatedVersion")->text(), "Check for updated version");
}

// What a screen reader announces for a control: its own name or its label's.
QString accessibleName(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

TEST_F(MainWindowStart, ControlsAreNamedByTheirVisibleCaptions) {
    open();
    EXPECT_EQ(accessibleName(control<QWidget>("txtDiagFilePath")), control<QLabel>("lblDiagFilePath")->text());
    EXPECT_EQ(accessibleName(control<QWidget>("cmbReportDate")), control<QLabel>("lblReportDate")->text());
    EXPECT_EQ(accessibleName(control<QWidget>("listReportDate")), control<QLabel>("lblReportDate")->text());
    EXPECT_EQ(accessibleName(control<QWidget>("txtDatabasePath")), "Working database:");
    EXPECT_EQ(accessibleName(control<QWidget>("timeLatencyStart")), control<QLabel>("lblMessageLatencyFrom")->text());
    EXPECT_EQ(accessibleName(control<QWidget>("NodeErrorsEndTime")), control<QLabel>("lblNodeErrorThrough")->text());
    EXPECT_EQ(accessibleName(control<QWidget>("listMessageLatencyKeldanNodes")), myLoadResString(79));
    EXPECT_EQ(accessibleName(control<QWidget>("listNodeTrafficVeyraNodes")), myLoadResString(126));
    EXPECT_EQ(accessibleName(control<QWidget>("listNodeErrorKeldanNodes")), "KeldanNet Nodes");
}

TEST_F(MainWindowStart, AtItsMinimumSizeEveryTabShowsItsDescriptionWholeAndSeveralNodeRows) {
    writeLog("CallLog_20040512.log", dayLines("5/12/2004", "1001", "2001") + dayLines("5/12/2004", "1002", "2002"));
    RunOptions options;
    options.logFolder = logs_.path();
    MainWindow& window = open(options);
    selectDays({0});
    loadData();
    auto* tabs = control<QTabWidget>("SSTab1");
    for (int tab = 0; tab < tabs->count(); ++tab) {
        SCOPED_TRACE(tab);
        tabs->setCurrentIndex(tab);
        // Once the tab's layout is settled, as small as the window goes.
        QApplication::processEvents();
        window.resize(10, 10);
        QApplication::processEvents();
        window.resize(10, 10);
        QApplication::processEvents();
        ASSERT_EQ(window.size(), window.minimumSize());
        for (const QLabel* label : tabs->currentWidget()->findChildren<QLabel*>()) {
            if (!label->wordWrap()) continue;
            EXPECT_GE(label->height(), label->heightForWidth(label->width())) << label->objectName().toStdString();
        }
        for (const QListView* list : tabs->currentWidget()->findChildren<QListView*>()) {
            const int row = list->sizeHintForRow(0);
            ASSERT_GT(row, 0);
            EXPECT_GE(list->viewport()->height(), 4 * row) << list->objectName().toStdString();
        }
    }
}

TEST_F(MainWindowStart, TabsStartOverTheWholeDayWithoutNodeLimits) {
    open();
    for (const char* name : {"timeLatencyStart", "NodeTrafficStartTime", "NodeErrorsStartTime"})
        EXPECT_EQ(control<QTimeEdit>(name)->time(), QTime(0, 0, 0)) << name;
    for (const char* name : {"timeLatencyEnd", "NodeTrafficEndTime", "NodeErrorsEndTime"})
        EXPECT_EQ(control<QTimeEdit>(name)->time(), QTime(23, 59, 59)) << name;
    for (const char* name : {"chkMessageLatencyLimitNodes", "chkNodeTrafficLimitNodes", "chkNodeErrorLimitNodes"})
        EXPECT_FALSE(control<QCheckBox>(name)->isChecked()) << name;
    for (const char* name :
         {"listMessageLatencyKeldanNodes", "listMessageLatencyVeyraNodes", "listNodeTrafficKeldanNodes",
          "listNodeTrafficVeyraNodes", "listNodeErrorKeldanNodes", "listNodeErrorVeyraNodes"}) {
        EXPECT_FALSE(control<QListView>(name)->isEnabled()) << name;
        EXPECT_EQ(control<QListView>(name)->selectionMode(), QAbstractItemView::MultiSelection) << name;
    }
}

TEST_F(MainWindowStart, StoredFolderWithLogsListsItsDays) {
    writeLog("CallLog_20040512.log", dayLines("5/12/2004", "1001", "2001"));
    writeLog("CallLog_20040512_2.log", dayLines("5/12/2004", "1001", "2001"));
    writeLog("calllog_20040513.log", dayLines("5/13/2004", "1001", "2001"));
    writeLog("CallLog_19891231.log", dayLines("12/31/1989", "1001", "2001"));
    writeLog("CallLog_abc.log", {});
    storeLogFolderSetting(logs_.path());
    open();

    EXPECT_TRUE(dialogs_.messages.empty());
    EXPECT_EQ(control<QLineEdit>("txtDiagFilePath")->text(), logs_.path());
    const QStringList days{"05/12/2004 Wednesday", "05/13/2004 Thursday"};
    EXPECT_EQ(entries(*control<QListWidget>("listReportDate")), days);
    auto* combo = control<QComboBox>("cmbReportDate");
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->currentText(), days[0]);
    EXPECT_TRUE(control<QPushButton>("cmdParseLogs")->isEnabled());
}

TEST_F(MainWindowStart, StoredFolderThatNoLongerHoldsLogs) {
    storeLogFolderSetting(logs_.path());  // empty folder
    open();
    EXPECT_TRUE(dialogs_.messages.empty());
    EXPECT_EQ(control<QLineEdit>("txtDiagFilePath")->text(), QString());
    EXPECT_EQ(control<QComboBox>("cmbReportDate")->count(), 0);
    EXPECT_FALSE(control<QPushButton>("cmdParseLogs")->isEnabled());
    EXPECT_EQ(storedLogFolderSetting(), logs_.path()) << "start-up does not rewrite the setting";
}

TEST_F(MainWindowStart, BrowseToAFolderWithoutLogs) {
    writeLog("CallLog_20040512.log", dayLines("5/12/2004", "1001", "2001"));
    storeLogFolderSetting(logs_.path());
    open();
    QTemporaryDir empty;
    dialogs_.folderAnswers.push_back(empty.path());
    QTest::mouseClick(control<QPushButton>("cmdBrowseForDiagFile"), Qt::LeftButton);

    EXPECT_EQ(dialogs_.folderTitles, QStringList{myLoadResString(103)});
    EXPECT_EQ(dialogs_.folderStarts, QStringList{logs_.path()}) << "starts in the remembered folder";
    EXPECT_EQ(dialogs_.texts(), QStringList{"No valid diagnostic files found in that directory..."});
    EXPECT_EQ(control<QLineEdit>("txtDiagFilePath")->text(), logs_.path());
    EXPECT_EQ(control<QListWidget>("listReportDate")->count(), 0);
    EXPECT_EQ(control<QComboBox>("cmbReportDate")->count(), 0);
    EXPECT_FALSE(control<QPushButton>("cmdParseLogs")->isEnabled());
    EXPECT_EQ(storedLogFolderSetting(), logs_.path());
}

TEST_F(MainWindowStart, BrowseStartsAtHomeAndCancelChangesNothing) {
    open();
    QTest::mouseClick(control<QPushButton>("cmdBrowseForDiagFile"), Qt::LeftButton);  // cancelled
    EXPECT_EQ(dialogs_.folderStarts, QStringList{QDir::homePath()});
    EXPECT_TRUE(dialogs_.messages.empty());
    EXPECT_EQ(control<QLineEdit>("txtDiagFilePath")->text(), QString());
    EXPECT_FALSE(control<QPushButton>("cmdParseLogs")->isEnabled());
}

TEST_F(MainWindowStart, BrowseToLogsStoresTheFolderForTheNextStart) {
    writeLog("CallLog_20040512.log", dayLines("5/12/2004", "1001", "2001"));
    open();
    dialogs_.folderAnswers.push_back(logs_.path());
    QTest::mouseClick(control<QPushButton>("cmdBrowseForDiagFile"), Qt::LeftButton);
    EXPECT_TRUE(dialogs_.messages.empty());
    EXPECT_TRUE(control<QPushButton>("cmdParseLogs")->isEnabled());
    EXPECT_EQ(control<QComboBox>("cmbReportDate")->currentText(), "05/12/2004 Wednesday");
    EXPECT_EQ(storedLogFolderSetting(), logs_.path());

    open();  // the next start
    EXPECT_EQ(control<QLineEdit>("txtDiagFilePath")->text(), logs_.path());
}

TEST_F(MainWindowStart, LogsOptionIsUsedWithoutBeingStored) {
    writeLog("CallLog_20040512.log", dayLines("5/12/2004", "1001", "2001"));
    storeLogFolderSetting(QStringLiteral("/elsewhere"));
    RunOptions options;
    options.logFolder = logs_.path();
    open(options);
    EXPECT_EQ(control<QLineEdit>("txtDiagFilePath")->text(), logs_.path());
    EXPECT_EQ(control<QListWidget>("listReportDate")->count(), 1);
    EXPECT_TRUE(control<QPushButton>("cmdParseLogs")->isEnabled());
    EXPECT_EQ(storedLogFolderSetting(), "/elsewhere");
}

TEST_F(MainWindowStart, ExitAndClosingTheWindowEndTheProgram) {
    MainWindow& window = open();
    control<QAction>("mnuExit")->trigger();
    EXPECT_EQ(exits_, 1);
    window.close();
    EXPECT_EQ(exits_, 2);
    EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(MainWindowStart, UnusableDataFolderIsReportedAndStartUpGoesOn) {
    // A file where the data folder should be: nothing can be created there.
    QFile blocker(QDir(data_.path()).filePath("blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    writeLog("CallLog_20040512.log", dayLines("5/12/2004", "1001", "2001"));
    storeLogFolderSetting(logs_.path());
    session_ = std::make_unique<AppSession>(store::DataFiles(blocker.fileName() + "/data"));
    window_ = std::make_unique<MainWindow>(*session_, MainWindowServices{dialogs_, [this] { ++exits_; }, nullptr, {}});
    window_->formLoad({});

    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_TRUE(dialogs_.messages[0].text.startsWith("Error in FormLoad routine: "));
    EXPECT_TRUE(control<QPushButton>("cmdParseLogs")->isEnabled()) << "the window still opens";
    EXPECT_EQ(exits_, 0);

    // Load Data then cannot open the database: its message, then the way out.
    window_->show();
    selectDays({0});
    loadData();
    ASSERT_GE(dialogs_.messages.size(), 2u);
    EXPECT_TRUE(dialogs_.messages.back().text.contains("Unable to open database at:"));
    EXPECT_TRUE(dialogs_.messages.back().text.contains("Exiting application..."));
    EXPECT_EQ(exits_, 1);
}

}  // namespace
}  // namespace varnel::app::test
