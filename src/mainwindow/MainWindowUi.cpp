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
#include "render/ReportViewCatalogue.h"
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

void setFixedText(QLabel* label, const QString& text) { label->setText(text); }
void setFixedText(QGroupBox* frame, const QString& text) { frame->setTitle(text); }
void setFixedText(QAbstractButton* button, const QString& text) { button->setText(text); }
void setFixedText(QWidget*, const QString&) {}

// A control of a report tab, named by its design and with the design's fixed
// text when it has one.
template <typename Widget>
Widget* designed(Widget* widget, const render::TabControl& control) {
    named(widget, control.name);
    if (control.fixedText) setFixedText(widget, QString::fromUtf8(control.fixedText));
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

QLabel* descriptionLabel(const render::TabControl& control) {
    auto* label = designed(new DescriptionLabel, control);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    label->setMinimumWidth(platform::twipsToPixels(descriptionWidthTwips, label->logicalDpiX()));
    return label;
}

QPushButton* runReportButton(const render::TabControl& control) {
    auto* button = designed(new QPushButton, control);
    button->setEnabled(false);
    return button;
}

QTimeEdit* timePicker(const render::TabControl& control, QTime initial) {
    auto* picker = designed(new QTimeEdit(initial), control);
    picker->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    return picker;
}

NodeListView* nodeList(const render::TabControl& control) {
    auto* list = designed(new NodeListView, control);
    list->setSelectionMode(QAbstractItemView::MultiSelection);
    list->setEnabled(false);
    return list;
}

NodeFilterTab nodeFilterTab(QWidget* page, const render::ReportTabDesign& design) {
    const render::RangeControls& n = *design.range;
    NodeFilterTab tab{descriptionLabel(design.description),
                      designed(new QGroupBox, n.times),
                      designed(new QLabel, n.from),
                      timePicker(n.start, QTime(0, 0, 0)),
                      designed(new QLabel, n.through),
                      timePicker(n.end, QTime(23, 59, 59)),
                      designed(new QCheckBox, n.limitNodes),
                      designed(new QGroupBox, n.keldanFrame),
                      nodeList(n.keldanNodes),
                      designed(new QGroupBox, n.veyraFrame),
                      nodeList(n.veyraNodes),
                      runReportButton(design.runReport)};

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

QPushButton* wholeDayTab(QWidget* page, const render::ReportTabDesign& design) {
    auto* description = descriptionLabel(design.description);
    auto* axis = descriptionLabel(*design.axis);
    auto* runReport = runReportButton(design.runReport);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(description);
    layout->addWidget(axis);
    layout->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(runReport);
    layout->addLayout(buttons);
    return runReport;
}

}  // namespace

std::vector<QPushButton*> MainWindowUi::reportButtons() const {
    std::vector<QPushButton*> buttons;
    for (const ReportTab& tab : reportTabs) buttons.push_back(tab.runReport);
    return buttons;
}

std::vector<NodeListView*> MainWindowUi::nodeLists() const {
    std::vector<NodeListView*> lists;
    for (const ReportTab& tab : reportTabs) {
        if (!tab.filter) continue;
        lists.push_back(tab.filter->keldanNodes);
        lists.push_back(tab.filter->veyraNodes);
    }
    return lists;
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

    // The report tabs.
    ui.SSTab1 = named(new QTabWidget, "SSTab1");
    for (const render::ReportViewEntry& views : render::reportViewCatalogue()) {
        const render::ReportTabDesign& design = views.tab;
        auto* page = new QWidget;
        ReportTab tab{views.kind, nullptr, std::nullopt};
        if (design.range) {
            tab.filter = nodeFilterTab(page, design);
            tab.runReport = tab.filter->runReport;
        } else {
            tab.runReport = wholeDayTab(page, design);
        }
        ui.SSTab1->addTab(page, design.fixedCaption ? QString::fromUtf8(design.fixedCaption) : QString());
        ui.reportTabs.push_back(std::move(tab));
    }
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
