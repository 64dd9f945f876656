// The controls of the main window frmMain, built in code with their object
// names. Captions that the string table sets are left to LocalizeMainWindow;
// the non-delivery tab keeps the fixed texts of the window's design.
#pragma once

#include <array>

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
    QLabel* lblPortAvailabilityDescription;
    QLabel* lblPortAvailabilityAxis;
    QPushButton* cmdPortUsage;
    QLabel* lblQueueActivityDescription;
    QLabel* lblQueueActivityAxis;
    QPushButton* cmdMessageQueueActivity;
    NodeFilterTab latency;
    NodeFilterTab nodeTraffic;
    NodeFilterTab nodeError;

    ProgressPanel* frmTitle;

    QMenu* mnuFile;
    QAction* mnuSaveDatabase;
    QAction* mnuSaveReportPage;
    QAction* mnuExit;
    QMenu* mnuHelp;
    QAction* mnuHelpFile;
    QAction* mnuAbout;
    QAction* mnuCheckForUpdatedVersion;

    // The five Run Report buttons, in the order they are enabled.
    std::array<QPushButton*, 5> reportButtons() const;
    // The six node lists, in the order a reset empties them.
    std::array<NodeListView*, 6> nodeLists() const;
};

// Builds the controls into the window (central widget and menu bar).
MainWindowUi buildMainWindowUi(QMainWindow& window);

}  // namespace varnel::app
