#include "mainwindow/MainWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTimeEdit>
#include <QTimer>

#include "catalogue/ReportRun.h"
#include "ingest/DayList.h"
#include "mainwindow/LocalizeMainWindow.h"
#include "mainwindow/NodeListView.h"
#include "platform/DocumentsFolder.h"
#include "platform/FileNameBytes.h"
#include "reports/LatencyTableStore.h"
#include "reports/LaunchChecks.h"
#include "session/DatabaseBackup.h"
#include "session/LoadRunner.h"
#include "session/WorkingDatabaseClaim.h"
#include "settings/LogFolderSetting.h"
#include "shell/EnglishStrings.h"
#include "shell/StringTable.h"
#include "windowkit/LatencyTableWait.h"
#include "windowkit/ProgressPanel.h"
#include "windowkit/ReportLauncher.h"
#include "windowkit/ReportPageSaver.h"

namespace varnel::app {

namespace {

using platform::UserMessage;
using shell::myLoadResString;

// The progress bar moves at least this often while a file is parsed.
constexpr int progressIntervalMs = 25;

QStringList selectedEntries(const QListWidget& list) {
    QStringList entries;
    for (int row = 0; row < list.count(); ++row)
        if (list.item(row)->isSelected()) entries << list.item(row)->text();
    return entries;
}

reports::RangeRequest rangeRequestOf(const NodeFilterTab& tab) {
    reports::RangeRequest request;
    request.from = tab.start->time();
    request.to = tab.end->time();
    request.nodes = {tab.limitNodes->isChecked(), tab.veyraNodes->entries(), tab.keldanNodes->entries(),
                     tab.veyraNodes->selectedEntries(), tab.keldanNodes->selectedEntries()};
    return request;
}

}  // namespace

MainWindow::MainWindow(AppSession& session, MainWindowServices services, QWidget* parent)
    : QMainWindow(parent),
      session_(session),
      services_(std::move(services)),
      ui_(buildMainWindowUi(*this)),
      loadRunner_(new LoadRunner(this)),
      progressTimer_(new QTimer(this)) {
    progressTimer_->setInterval(progressIntervalMs);
    ui_.mnuHelpFile->setEnabled(static_cast<bool>(services_.showHelp));
    ui_.mnuHelpFile->setShortcut(QKeySequence::HelpContents);
    ui_.mnuCheckForUpdatedVersion->setEnabled(static_cast<bool>(services_.checkForUpdatedVersion));
    ui_.mnuAbout->setEnabled(static_cast<bool>(services_.showAbout));
    connectControls();
    resize(880, 720);
}

// A load still running is waited for, with nothing more passed to this window.
MainWindow::~MainWindow() {
    disconnect(loadRunner_, nullptr, this, nullptr);
    delete loadRunner_;
}

void MainWindow::connectControls() {
    connect(ui_.cmdBrowseForDiagFile, &QPushButton::clicked, this, &MainWindow::browseForLogFolder);
    connect(ui_.cmdParseLogs, &QPushButton::clicked, this, &MainWindow::parseLogs);
    connect(ui_.mnuSaveDatabase, &QAction::triggered, this, &MainWindow::saveDatabase);
    connect(ui_.mnuSaveReportPage, &QAction::triggered, this, &MainWindow::saveReportPage);
    connect(ui_.mnuExit, &QAction::triggered, this, &MainWindow::exitApplication);
    connect(ui_.mnuHelpFile, &QAction::triggered, this, [this] { services_.showHelp(*this); });
    connect(ui_.mnuCheckForUpdatedVersion, &QAction::triggered, this,
            [this] { services_.checkForUpdatedVersion(*this); });
    connect(ui_.mnuAbout, &QAction::triggered, this, [this] {
        if (services_.showAbout) services_.showAbout(*this);
    });

    for (std::size_t index = 0; index < ui_.reportTabs.size(); ++index) {
        const ReportTab& tab = ui_.reportTabs[index];
        if (tab.filter) {
            connect(tab.filter->limitNodes, &QCheckBox::toggled, this,
                    [veyra = tab.filter->veyraNodes, keldan = tab.filter->keldanNodes](bool on) {
                        veyra->setEnabled(on);
                        keldan->setEnabled(on);
                    });
        }
        connect(tab.runReport, &QPushButton::clicked, this, [this, index] { runReport(ui_.reportTabs[index]); });
    }

    connect(progressTimer_, &QTimer::timeout, this, &MainWindow::showLoadProgress);
    connect(loadRunner_, &LoadRunner::messageRaised, this, [this](const QString& text, const QString& title, int icon) {
        const UserMessage message(platform::shownText(text), title, static_cast<UserMessage::Icon>(icon));
        queueLoadEvent([this, message] { services_.dialogs.show(message); });
    });
    connect(loadRunner_, &LoadRunner::fileStarted, this, [this](int file, const QString& path, qint64 lineCount) {
        shownFile_ = file;
        ui_.frmTitle->begin(myLoadResString(85) + platform::shownText(path), lineCount);
    });
    connect(loadRunner_, &LoadRunner::fileFinished, this, [this](int file) {
        if (file == shownFile_) ui_.frmTitle->end();
    });
    connect(loadRunner_, &LoadRunner::loadFinished, this, [this] { queueLoadEvent([this] { finishLoad(); }); });
}

void MainWindow::formLoad(const RunOptions& options) {
    const auto reportFailure = [this](const char* description) {
        services_.dialogs.show({myLoadResString(17) + QString::fromUtf8(description)});
    };

    LocalizeMainWindow(*this);

    try {
        setLogFolder(settings::readStoredLogFolder());
        FillDayList();
        if (ui_.cmbReportDate->count() > 0) {
            ui_.cmdParseLogs->setEnabled(true);
            ui_.cmbReportDate->setCurrentIndex(0);
        } else {
            ui_.cmdParseLogs->setEnabled(false);
            setLogFolder(QString());
        }
    } catch (const std::exception& e) {
        reportFailure(e.what());
    }
    if (!options.logFolder.isEmpty()) chooseLogFolder(options.logFolder, false);

    if (const auto message = claimWorkingDatabase(session_)) services_.dialogs.show(*message);
    try {
        session_.files.ensureTemplate();
        session_.files.makeFreshWorkingCopy();
    } catch (const std::exception& e) {
        reportFailure(e.what());
    }
    ui_.txtDatabasePath->setText(QDir::toNativeSeparators(session_.files.workingPath()));
    session_.ingest.reportDate = store::StoredTime::fromQDateTime(QDateTime::currentDateTime());

    if (services_.backgroundUpdateCheck) {
        if (const auto failure = services_.backgroundUpdateCheck()) services_.dialogs.show(*failure);
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    exitApplication();
}

// A load still running stops between lines, so that the program ends at once
// and lets go of the working database and its private files.
void MainWindow::exitApplication() {
    loadRunner_->cancel();
    services_.exitApplication();
}

// ---- Log folder and day list ----

void MainWindow::browseForLogFolder() {
    const QString start = logFolder_.isEmpty() ? QDir::homePath() : logFolder_;
    const auto folder = services_.dialogs.chooseFolder(myLoadResString(103), start);
    if (!folder) return;
    chooseLogFolder(*folder, true);
}

void MainWindow::setLogFolder(const QString& folder) {
    logFolder_ = folder;
    ui_.txtDiagFilePath->setText(platform::shownText(folder));
}

void MainWindow::chooseLogFolder(const QString& folder, bool remember) {
    const QString remembered = logFolder_;
    setLogFolder(folder);
    FillDayList();
    if (ui_.cmbReportDate->count() > 0) {
        ui_.cmdParseLogs->setEnabled(true);
        ui_.cmbReportDate->setCurrentIndex(0);
        if (remember) settings::storeLogFolder(folder);
    } else {
        ui_.cmdParseLogs->setEnabled(false);
        setLogFolder(remembered);
        services_.dialogs.show({myLoadResString(69)});
    }
}

void MainWindow::FillDayList() {
    ui_.cmbReportDate->clear();
    ui_.listReportDate->clear();
    for (const QDate& day : ingest::logDays(logFolder_)) {
        const QString entry = ingest::dayEntryText(day);
        ui_.cmbReportDate->addItem(entry);
        ui_.listReportDate->addItem(entry);
    }
}

// ---- Load Data ----

void MainWindow::parseLogs() {
    if (loading_) return;
    const QStringList entries = selectedEntries(*ui_.listReportDate);
    if (entries.isEmpty()) {
        services_.dialogs.show({QStringLiteral("You must select at least one day to load data for.")});
        return;
    }
    QList<QDate> days;
    for (const QString& entry : entries) {
        if (const auto day = ingest::dayFromEntry(entry))
            days << *day;
        else
            services_.dialogs.show({myLoadResString(21) + myLoadResString(shell::dayEntryNotADateStringId).arg(entry)});
    }

    // The reset empties the node lists before anything is parsed, and the
    // last load's events go before the new load gathers its own.
    for (NodeListView* list : ui_.nodeLists()) list->clear();
    session_.gathered = {};
    // The database is made afresh: a latency table not yet stored is of no use.
    session_.latencyTable->discard();
    setLoadRunning(true);
    gatherers_ = std::make_unique<LoadGatherers>();
    loaded_ = {logFolder_, days, ui_.cmbReportDate->currentText(), gatherers_->watcher()};
    loadRunner_->start(loaded_, session_.files, session_.ingest);
}

// While a load runs the window repaints and the progress moves, but nothing
// may start a second load, a report or a copy of the database being written.
void MainWindow::setLoadRunning(bool running) {
    loading_ = running;
    if (running) focusBeforeLoad_ = focusWidget();
    ui_.cmdBrowseForDiagFile->setEnabled(!running);
    ui_.cmdParseLogs->setEnabled(!running);
    ui_.mnuSaveDatabase->setEnabled(!running);
    if (running) {
        DisableReportButtons();
        shownFile_ = 0;
        setCursor(Qt::WaitCursor);
        progressTimer_->start();
    } else {
        progressTimer_->stop();
        ui_.frmTitle->end();
        unsetCursor();
        // Disabling the focused button moved the focus away; give it back.
        if (focusBeforeLoad_) focusBeforeLoad_->setFocus();
    }
}

void MainWindow::showLoadProgress() {
    const LoadRunner::FileProgress progress = loadRunner_->progress();
    if (progress.file == shownFile_ && ui_.frmTitle->isVisible()) ui_.frmTitle->setProgress(progress.linesDone);
}

void MainWindow::queueLoadEvent(std::function<void()> event) {
    loadEvents_.push_back(std::move(event));
    // A box opened below runs its own event loop; events arriving meanwhile
    // wait in the queue and are handled here once it is closed.
    if (handlingLoadEvent_) return;
    handlingLoadEvent_ = true;
    while (!loadEvents_.empty()) {
        const std::function<void()> next = std::move(loadEvents_.front());
        loadEvents_.pop_front();
        next();
    }
    handlingLoadEvent_ = false;
}

void MainWindow::finishLoad() {
    setLoadRunning(false);
    const ingest::LoadResult& result = loadRunner_->result();
    const std::unique_ptr<LoadGatherers> gatherers = std::move(gatherers_);
    loaded_.watcher = nullptr;
    switch (result.outcome) {
        case ingest::LoadOutcome::Loaded:
            session_.gathered = gatherers->finish();
            EnableReportButtons();
            fillNodeLists(result.veyraNodes, result.keldanNodes);
            services_.dialogs.show({result.summary});
            break;
        case ingest::LoadOutcome::NoCallTraffic:
        case ingest::LoadOutcome::NoMessageTraffic:
        case ingest::LoadOutcome::Cancelled:
            DisableReportButtons();
            break;
        case ingest::LoadOutcome::DatabaseFailed:
            exitApplication();
            break;
    }
    emit loadEnded();
}

// The report page goes with the reports: it needs a whole load.
void MainWindow::EnableReportButtons() {
    for (QPushButton* button : ui_.reportButtons()) button->setEnabled(true);
    ui_.mnuSaveReportPage->setEnabled(true);
}

void MainWindow::DisableReportButtons() {
    for (QPushButton* button : ui_.reportButtons()) button->setEnabled(false);
    ui_.mnuSaveReportPage->setEnabled(false);
}

// The lists of a side share one copy of the entries.
void MainWindow::fillNodeLists(const QStringList& veyraNodes, const QStringList& keldanNodes) {
    for (const ReportTab& tab : ui_.reportTabs)
        if (tab.filter) tab.filter->veyraNodes->setEntries(veyraNodes);
    for (const ReportTab& tab : ui_.reportTabs)
        if (tab.filter) tab.filter->keldanNodes->setEntries(keldanNodes);
}

// ---- Reports ----

// Report buttons are enabled only after a whole load, so the session's
// values match the working database's raw rows.
std::optional<reports::ReportInputs> MainWindow::reportInputs(const ReportTab& tab) {
    reports::RangeRequest range;
    if (tab.filter) {
        range = rangeRequestOf(*tab.filter);
        if (const auto problem = reports::checkRangeRequest(range)) {
            services_.dialogs.show({*problem});
            return std::nullopt;
        }
    }
    return catalogue::reportInputs(session_.loadedSession(), tab.kind, range);
}

void MainWindow::runReport(const ReportTab& tab) {
    const auto inputs = reportInputs(tab);
    if (inputs && services_.reportLauncher) services_.reportLauncher->openReport(*inputs, *this, *ui_.frmTitle);
}

// ---- File menu ----

void MainWindow::saveDatabase() {
    const auto target = services_.dialogs.chooseSaveFile(
        myLoadResString(97), QDir::home().filePath(QString::fromLatin1(store::DataFiles::workingFileName)),
        myLoadResString(shell::databaseFileFilterStringId));
    if (!target) return;
    // The copy holds the last latency report's table.
    if (const auto failure = windowkit::waitForLatencyTable(*session_.latencyTable)) services_.dialogs.show(*failure);
    try {
        backupDatabase(session_.files.workingPath(), target->path);
    } catch (const BackupError& e) {
        services_.dialogs.show({myLoadResString(shell::databaseNotSavedStringId)
                                    .arg(QDir::toNativeSeparators(target->path), QString::fromUtf8(e.what())),
                                {},
                                UserMessage::Icon::Critical});
    }
}

// Every report with its tab's current choices, in the tabs' order; a tab
// whose choices fail their check is said and nothing is written.
void MainWindow::saveReportPage() {
    if (loading_) return;
    std::vector<reports::ReportInputs> reports;
    for (int index = 0; index < static_cast<int>(ui_.reportTabs.size()); ++index) {
        const ReportTab& tab = ui_.reportTabs[static_cast<std::size_t>(index)];
        // A failed check is said over its own tab, so the user sees which.
        if (tab.filter && reports::checkRangeRequest(rangeRequestOf(*tab.filter))) ui_.SSTab1->setCurrentIndex(index);
        auto inputs = reportInputs(tab);
        if (!inputs) return;
        // The page has no place for the latency report's diagnostic file.
        inputs->debug = false;
        // The page's build stores its own latency table, after the last one.
        inputs->latencyTable = nullptr;
        reports.push_back(*inputs);
    }
    if (!services_.reportPageSaver) return;
    const store::StoredTime reportDate = session_.ingest.reportDate;
    const auto target = services_.dialogs.chooseSaveFile(
        QString(myLoadResString(shell::saveReportPageStringId)).remove(QStringLiteral("...")),
        QDir::toNativeSeparators(QDir(platform::documentsFolder()).filePath(catalogue::reportPageFileName(reportDate))),
        myLoadResString(shell::reportPageFileFilterStringId));
    if (!target) return;
    if (const auto problem =
            catalogue::reportPageTargetProblem(QDir::fromNativeSeparators(target->path), loaded_.logFolder,
                                               {session_.files.workingPath(), session_.files.templatePath()})) {
        services_.dialogs.show({*problem, {}, UserMessage::Icon::Exclamation});
        return;
    }
    if (const auto failure = windowkit::waitForLatencyTable(*session_.latencyTable)) services_.dialogs.show(*failure);
    const catalogue::ReportPageLoad load{loaded_.logFolder, loaded_.days, loadRunner_->result().summary, reportDate};
    const auto failure = services_.reportPageSaver->saveReportPage(
        load, reports, QDir::fromNativeSeparators(target->path), *ui_.frmTitle);
    // Like the summary's "Summary information saved.", so that the user knows
    // where the page went.
    services_.dialogs.show(
        failure
            ? *failure
            : UserMessage(myLoadResString(shell::reportPageSavedStringId).arg(QDir::toNativeSeparators(target->path))));
}

}  // namespace varnel::app
