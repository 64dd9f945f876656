// The controls of the main window frmMain, built in code with their object
// names; the report tabs follow their designs in the window-side report
// catalogue. Captions that the string table sets are left to
// LocalizeMainWindow; fixed texts of the window's design are set here.
#pragma once

#include <optional>
#include <vector>

#include "reports/ReportKind.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMainWindow;
class QMenu;
class QPushButton;
class QTabWidget;
class QTimeEdit;

namespace varnel::app {

class NodeListView;
class ProgressPanel;

// The controls of a tab with a time range and a node filter.
struct NodeFilterTab {
    QLabel* description;
    QGroupBox* times;
    QLabel* from;
    QTimeEdit* start;
    QLabel* through;
    QTimeEdit* end;
    QCheckBox* limitNodes;
    QGroupBox* keldanFrame;
    NodeListView* keldanNodes;
    QGroupBox* veyraFrame;
    NodeListView* veyraNodes;
    QPushButton* runReport;
};

// A report's tab: its Run Report button and, where the report takes a range
// and a node choice, the controls of both.
struct ReportTab {
    reports::ReportKind kind;
    QPushButton* runReport;
    std::optional<NodeFilterTab> filter;
};

struct MainWindowUi {
    QGroupBox* frmStoreDatabaseAt;
    QLabel* lblDiagFilePath;
    QLineEdit* txtDiagFilePath;
    QPushButton* cmdBrowseForDiagFile;
    QLabel* lblReportDate;
    QComboBox* cmbReportDate;
    QListWidget* listReportDate;
    QPushButton* cmdParseLogs;
    QLineEdit* txtDatabasePath;

    QTabWidget* SSTab1;
    std::vector<ReportTab> reportTabs;  // tab i of SSTab1 is reportTabs[i]

    ProgressPanel* frmTitle;

    QMenu* mnuFile;
    QAction* mnuSaveDatabase;
    QAction* mnuSaveReportPage;
    QAction* mnuExit;
    QMenu* mnuHelp;
    QAction* mnuHelpFile;
    QAction* mnuAbout;
    QAction* mnuCheckForUpdatedVersion;

    // The Run Report buttons, in the order they are enabled.
    std::vector<QPushButton*> reportButtons() const;
    // The node lists, in the order a reset empties them: Keldan, then Veyra, tab by tab.
    std::vector<NodeListView*> nodeLists() const;
};

// Builds the controls into the window (central widget and menu bar).
MainWindowUi buildMainWindowUi(QMainWindow& window);

}  // namespace varnel::app
