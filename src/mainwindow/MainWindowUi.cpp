#include "mainwindow/MainWindowUi.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "mainwindow/NodeListView.h"
#include "windowkit/ProgressPanel.h"
#include "windowkit/Twips.h"

namespace varnel::app {

namespace {

// A tab's description is never narrower than this: narrower, the longest
// ones would run to a screenful of lines.
constexpr int descriptionWidthTwips = 8400;

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A tab's description, wrapped to the width it is given. It asks for the
// height its text needs at its narrowest, so that the window's minimum size
// shows every line of it, in whatever language it is set.
class DescriptionLabel : public QLabel {
public:
    QSize minimumSizeHint() const override {
        const int width = minimumWidth();
        return {width, heightForWidth(width)};
    }
};

QLabel* descriptionLabel(const char* name) {
    auto* label = named(new DescriptionLabel, name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    label->setMinimumWidth(platform::twipsToPixels(descriptionWidthTwips, label->logicalDpiX()));
    return label;
}

QPushButton* runReportButton(const char* name) {
    auto* button = named(new QPushButton, name);
    button->setEnabled(false);
    return button;
}

QTimeEdit* timePicker(const char* name, QTime initial) {
    auto* picker = named(new QTimeEdit(initial), name);
    picker->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    return picker;
}

NodeListView* nodeList(const char* name) {
    auto* list = named(new NodeListView, name);
    list->setSelectionMode(QAbstractItemView::MultiSelection);
    list->setEnabled(false);
    return list;
}

// Object names of one node filter tab's controls.
struct NodeFilterNames {
    const char* description;
    const char* times;
    const char* from;
    const char* start;
    const char* through;
    const char* end;
    const char* limitNodes;
    const char* keldanFrame;
    const char* keldanNodes;
    const char* veyraFrame;
    const char* veyraNodes;
    const char* runReport;
};

NodeFilterTab nodeFilterTab(QWidget* page, const NodeFilterNames& n) {
    NodeFilterTab tab{descriptionLabel(n.description),
                      named(new QGroupBox, n.times),
                      named(new QLabel, n.from),
                      timePicker(n.start, QTime(0, 0, 0)),
                      named(new QLabel, n.through),
                      timePicker(n.end, QTime(23, 59, 59)),
                      named(new QCheckBox, n.limitNodes),
                      named(new QGroupBox, n.keldanFrame),
                      nodeList(n.keldanNodes),
                      named(new QGroupBox, n.veyraFrame),
                      nodeList(n.veyraNodes),
                      runReportButton(n.runReport)};

    // The labels name their time pickers for the keyboard and assistive
    // technology.
    tab.from->setBuddy(tab.start);
    tab.through->setBuddy(tab.end);
    auto* times = new QHBoxLayout(tab.times);
    times->addWidget(tab.from);
    times->addWidget(tab.start);
    times->addWidget(tab.through);
    times->addWidget(tab.end);
    times->addStretch();
    (new QVBoxLayout(tab.keldanFrame))->addWidget(tab.keldanNodes);
    (new QVBoxLayout(tab.veyraFrame))->addWidget(tab.veyraNodes);

    auto* nodes = new QHBoxLayout;
    nodes->addWidget(tab.keldanFrame);
    nodes->addWidget(tab.veyraFrame);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(tab.runReport);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(tab.description);
    layout->addWidget(tab.times);
    layout->addWidget(tab.limitNodes);
    layout->addLayout(nodes, 1);
    layout->addLayout(buttons);
    return tab;
}

QWidget* wholeDayPage(QLabel* description, QLabel* axis, QPushButton* runReport) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(description);
    layout->addWidget(axis);
    layout->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(runReport);
    layout->addLayout(buttons);
    return page;
}

void setNonDeliveryDesignTexts(NodeFilterTab& tab) {
    tab.description->setText(QStringLiteral(
        "Shows the non-delivery notifications (NDNs) reported for each node, inbound (from Keldan nodes to Veyra) "
        "and outbound (from Veyra to Keldan nodes).  You can select to see information about specific Veyra and "
        "Keldan nodes and choose a time range if you like.  The summary report shows the same information which "
        "can be saved to a CSV file."));
    tab.times->setTitle(QStringLiteral("Show messages delivered between these times"));
    tab.from->setText(QStringLiteral("From"));
    tab.through->setText(QStringLiteral("through"));
    tab.limitNodes->setText(QStringLiteral("Limit report data to messages involving these specific nodes:"));
    tab.keldanFrame->setTitle(QStringLiteral("KeldanNet Nodes"));
    tab.veyraFrame->setTitle(QStringLiteral("Veyra Nodes"));
    tab.runReport->setText(QStringLiteral("Run Report"));
}

}  // namespace

std::array<QPushButton*, 5> MainWindowUi::reportButtons() const {
    return {cmdPortUsage, cmdMessageQueueActivity, latency.runReport, nodeTraffic.runReport, nodeError.runReport};
}

std::array<NodeListView*, 6> MainWindowUi::nodeLists() const {
    return {latency.keldanNodes,    latency.veyraNodes,    nodeTraffic.keldanNodes,
            nodeTraffic.veyraNodes, nodeError.keldanNodes, nodeError.veyraNodes};
}

MainWindowUi buildMainWindowUi(QMainWindow& window) {
    MainWindowUi ui{};
    window.setObjectName(QStringLiteral("frmMain"));
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);

    // Log folder, day list and the working database.
    ui.frmStoreDatabaseAt = named(new QGroupBox, "frmStoreDatabaseAt");
    ui.lblDiagFilePath = named(new QLabel, "lblDiagFilePath");
    ui.txtDiagFilePath = named(new QLineEdit, "txtDiagFilePath");
    ui.txtDiagFilePath->setReadOnly(true);
    ui.cmdBrowseForDiagFile = named(new QPushButton, "cmdBrowseForDiagFile");
    ui.lblReportDate = named(new QLabel, "lblReportDate");
    ui.cmbReportDate = named(new QComboBox, "cmbReportDate");
    ui.listReportDate = named(new QListWidget, "listReportDate");
    ui.listReportDate->setSelectionMode(QAbstractItemView::MultiSelection);
    ui.cmdParseLogs = named(new QPushButton, "cmdParseLogs");
    ui.cmdParseLogs->setEnabled(false);
    ui.txtDatabasePath = named(new QLineEdit, "txtDatabasePath");
    ui.txtDatabasePath->setReadOnly(true);

    auto* folder = new QGridLayout(ui.frmStoreDatabaseAt);
    folder->addWidget(ui.lblDiagFilePath, 0, 0);
    folder->addWidget(ui.txtDiagFilePath, 0, 1);
    folder->addWidget(ui.cmdBrowseForDiagFile, 0, 2);
    folder->addWidget(ui.lblReportDate, 1, 0);
    folder->addWidget(ui.cmbReportDate, 1, 1);
    folder->addWidget(ui.listReportDate, 2, 1);
    folder->addWidget(ui.cmdParseLogs, 2, 2, Qt::AlignBottom);
    auto* databaseLabel = named(new QLabel, "lblDatabasePath");
    folder->addWidget(databaseLabel, 3, 0);
    ui.lblDiagFilePath->setBuddy(ui.txtDiagFilePath);
    ui.lblReportDate->setBuddy(ui.cmbReportDate);
    databaseLabel->setBuddy(ui.txtDatabasePath);
    folder->addWidget(ui.txtDatabasePath, 3, 1, 1, 2);
    ui.listReportDate->setMaximumHeight(ui.listReportDate->fontMetrics().height() * 7);
    layout->addWidget(ui.frmStoreDatabaseAt);

    // The five report tabs.
    ui.SSTab1 = named(new QTabWidget, "SSTab1");
    ui.lblPortAvailabilityDescription = descriptionLabel("lblPortAvailabilityDescription");
    ui.lblPortAvailabilityAxis = descriptionLabel("lblPortAvailabilityAxis");
    ui.cmdPortUsage = runReportButton("cmdPortUsage");
    ui.SSTab1->addTab(wholeDayPage(ui.lblPortAvailabilityDescription, ui.lblPortAvailabilityAxis, ui.cmdPortUsage),
                      QString());
    ui.lblQueueActivityDescription = descriptionLabel("lblQueueActivityDescription");
    ui.lblQueueActivityAxis = descriptionLabel("lblQueueActivityAxis");
    ui.cmdMessageQueueActivity = runReportButton("cmdMessageQueueActivity");
    ui.SSTab1->addTab(wholeDayPage(ui.lblQueueActivityDescription, ui.lblQueueActivityAxis, ui.cmdMessageQueueActivity),
                      QString());

    auto* latencyPage = new QWidget;
    ui.latency = nodeFilterTab(
        latencyPage, {"lblMessageLatencyDescription", "frMessageLatencyTimes", "lblMessageLatencyFrom",
                      "timeLatencyStart", "lblMessageLatencyThrough", "timeLatencyEnd", "chkMessageLatencyLimitNodes",
                      "frMessageLatencyKeldanNodes", "listMessageLatencyKeldanNodes", "frMessageLatencyVeyraNodes",
                      "listMessageLatencyVeyraNodes", "cmdMessageLatency"});
    ui.SSTab1->addTab(latencyPage, QString());

    auto* trafficPage = new QWidget;
    ui.nodeTraffic = nodeFilterTab(
        trafficPage,
        {"lblNodeTrafficDescription", "frNodeTrafficTimes", "lblNodeTrafficFrom", "NodeTrafficStartTime",
         "lblNodeTrafficThrough", "NodeTrafficEndTime", "chkNodeTrafficLimitNodes", "frNodeTrafficKeldanNodes",
         "listNodeTrafficKeldanNodes", "frNodeTrafficVeyraNodes", "listNodeTrafficVeyraNodes", "cmdNodeTraffic"});
    ui.SSTab1->addTab(trafficPage, QString());

    auto* errorPage = new QWidget;
    ui.nodeError = nodeFilterTab(
        errorPage, {"lblNodeErrorDescription", "frNodeErrorTimes", "lblNodeErrorFrom", "NodeErrorsStartTime",
                    "lblNodeErrorThrough", "NodeErrorsEndTime", "chkNodeErrorLimitNodes", "frNodeErrorKeldanNodes",
                    "listNodeErrorKeldanNodes", "frNodeErrorVeyraNodes", "listNodeErrorVeyraNodes", "cmdNodeError"});
    setNonDeliveryDesignTexts(ui.nodeError);
    ui.SSTab1->addTab(errorPage, QStringLiteral("Non-delivery Notifications"));
    layout->addWidget(ui.SSTab1, 1);

    ui.frmTitle = new ProgressPanel;
    layout->addWidget(ui.frmTitle);
    window.setCentralWidget(central);

    // Menus.
    ui.mnuFile = named(window.menuBar()->addMenu(QString()), "mnuFile");
    ui.mnuSaveDatabase = named(ui.mnuFile->addAction(QString()), "mnuSaveDatabase");
    ui.mnuSaveReportPage = named(ui.mnuFile->addAction(QString()), "mnuSaveReportPage");
    ui.mnuSaveReportPage->setEnabled(false);
    ui.mnuExit = named(ui.mnuFile->addAction(QString()), "mnuExit");
    ui.mnuHelp = named(window.menuBar()->addMenu(QString()), "mnuHelp");
    ui.mnuHelpFile = named(ui.mnuHelp->addAction(QString()), "mnuHelpFile");
    ui.mnuHelp->addSeparator();
    ui.mnuAbout = named(ui.mnuHelp->addAction(QString()), "mnuAbout");
    ui.mnuCheckForUpdatedVersion =
        named(ui.mnuHelp->addAction(QStringLiteral("Check for updated version")), "mnuCheckForUpdatedVersion");
    return ui;
}

}  // namespace varnel::app
