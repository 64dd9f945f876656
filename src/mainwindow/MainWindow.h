// frmMain, the main window of varnel-traffic: the log folder and day list,
// Load Data, the five report tabs and the File menu. Opening it starts the
// run (formLoad) and closing it ends the run.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <deque>
#include <functional>
#include <optional>

#include "ingest/LoadData.h"
#include "mainwindow/MainWindowUi.h"
#include "reports/ReportInputs.h"
#include "session/AppSession.h"
#include "session/RunOptions.h"
#include "windowkit/UserDialogs.h"

class QTimer;

namespace varnel::app {

class LoadRunner;
class ReportLauncher;
class ReportPageSaver;

struct MainWindowServices {
    platform::UserDialogs& dialogs;
    std::function<void()> exitApplication;
    // Opens the report windows; without one the Run Report buttons only check
    // their inputs.
    ReportLauncher* reportLauncher = nullptr;
    // Writes the report page of File > Save Report Page...; without one the
    // item only checks the tabs' choices.
    ReportPageSaver* reportPageSaver = nullptr;
    // Opens the About window over the window given; without one the About
    // item is disabled.
    std::function<void(QWidget&)> showAbout = {};
    // Help > Help and Help > Check for updated version, over the window
    // given; each may be empty, its item is then disabled.
    std::function<void(QWidget&)> showHelp = {};
    std::function<void(QWidget&)> checkForUpdatedVersion = {};
    // The start-up update check, run last in formLoad; gives a message to
    // show when it fails. May be empty.
    std::function<std::optional<platform::UserMessage>()> backgroundUpdateCheck = {};
};

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // session outlives the window.
    MainWindow(AppSession& session, MainWindowServices services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up: captions, the stored log folder (or the one given for this
    // run), a fresh working database, the report date. Failures are shown one
    // by one and start-up goes on.
    void formLoad(const RunOptions& options);

    bool loading() const { return loading_; }

signals:
    // A Load Data has ended and its outcome is shown.
    void loadEnded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void connectControls();
    void exitApplication();

    void browseForLogFolder();
    // Takes the folder as the log folder when it holds logs; otherwise keeps
    // the previous one and says so. A folder taken is stored when asked.
    void chooseLogFolder(const QString& folder, bool remember);
    // The folder the day list and the load read; its text box shows it with
    // bytes of its name that are no UTF-8 replaced.
    void setLogFolder(const QString& folder);
    void FillDayList();

    void parseLogs();
    void setLoadRunning(bool running);
    void showLoadProgress();
    // Messages and the load's end are handled strictly in the order the load
    // reported them, one box at a time.
    void queueLoadEvent(std::function<void()> event);
    void finishLoad();

    void EnableReportButtons();
    void DisableReportButtons();
    void fillNodeLists(const QStringList& veyraNodes, const QStringList& keldanNodes);

    // The inputs of a tab's report with its choices; nothing (said to the
    // user) when they fail their check.
    std::optional<reports::ReportInputs> reportInputs(const ReportTab& tab);
    void runReport(const ReportTab& tab);
    void saveDatabase();
    void saveReportPage();

    AppSession& session_;
    MainWindowServices services_;
    MainWindowUi ui_;
    LoadRunner* loadRunner_;
    QTimer* progressTimer_;
    bool loading_ = false;
    QString logFolder_;
    // What the last load read, for the report page.
    ingest::LoadRequest loaded_;
    // Sees the rows of the load that runs.
    std::unique_ptr<LoadGatherers> gatherers_;
    QPointer<QWidget> focusBeforeLoad_;
    int shownFile_ = 0;
    std::deque<std::function<void()>> loadEvents_;
    bool handlingLoadEvent_ = false;
};

}  // namespace varnel::app
