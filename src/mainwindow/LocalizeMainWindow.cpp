#include "mainwindow/LocalizeMainWindow.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QTabWidget>

#include "shell/EnglishStrings.h"
#include "shell/StringTable.h"

namespace varnel::app {

namespace {

struct Caption {
    const char* control;  // object name; "" for the window's own title
    int tab;              // tab index when control is the tab widget, else -1
    int stringId;         // -1: the fixed text below
    const char* fixedText = nullptr;
};

// In the order the captions are set.
constexpr Caption captions[] = {
    {"", -1, 7},
    {"frmTitle", -1, -1, "Frame1"},
    {"SSTab1", 0, 86},
    {"SSTab1", 1, 54},
    {"SSTab1", 2, 52},
    {"SSTab1", 3, 71},
    {"chkNodeTrafficLimitNodes", -1, 41},
    {"chkMessageLatencyLimitNodes", -1, 41},
    {"frNodeTrafficVeyraNodes", -1, 126},
    {"frMessageLatencyVeyraNodes", -1, 126},
    {"frNodeTrafficKeldanNodes", -1, 79},
    {"frMessageLatencyKeldanNodes", -1, 79},
    {"frMessageLatencyTimes", -1, 111},
    {"frNodeTrafficTimes", -1, 112},
    {"lblMessageLatencyFrom", -1, 30},
    {"lblNodeTrafficFrom", -1, 30},
    {"lblMessageLatencyThrough", -1, 135},
    {"lblNodeTrafficThrough", -1, 135},
    {"cmdNodeTraffic", -1, 94},
    {"cmdMessageLatency", -1, 94},
    {"cmdMessageQueueActivity", -1, 94},
    {"cmdPortUsage", -1, 94},
    {"lblQueueActivityAxis", -1, 121},
    {"lblPortAvailabilityAxis", -1, 120},
    {"lblNodeTrafficDescription", -1, 116},
    {"lblMessageLatencyDescription", -1, 114},
    {"lblQueueActivityDescription", -1, 117},
    {"lblPortAvailabilityDescription", -1, 115},
    {"frmStoreDatabaseAt", -1, 31},
    {"cmdParseLogs", -1, 42},
    {"cmdBrowseForDiagFile", -1, 9},
    {"lblDiagFilePath", -1, 14},
    {"lblReportDate", -1, 102},
    {"lblDatabasePath", -1, shell::workingDatabaseLabelStringId},
    {"mnuFile", -1, 29},
    {"mnuSaveDatabase", -1, 97},
    {"mnuSaveReportPage", -1, shell::saveReportPageStringId},
    {"mnuExit", -1, 27},
    {"mnuHelp", -1, 32},
    {"mnuAbout", -1, 6},
    {"mnuHelpFile", -1, 32},
};

QString withoutAccessKey(QString caption) { return caption.remove(QLatin1Char('&')); }

void setCaption(QObject* control, int tab, const QString& text) {
    if (auto* tabs = qobject_cast<QTabWidget*>(control)) {
        if (tab >= 0 && tab < tabs->count()) tabs->setTabText(tab, text);
    } else if (auto* menu = qobject_cast<QMenu*>(control)) {
        menu->setTitle(text);
    } else if (auto* action = qobject_cast<QAction*>(control)) {
        action->setText(text);
    } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
        frame->setTitle(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
    }
}

// Lists have no label of their own: assistive technology names each by the
// caption the user sees with it, the frame's title or the day label.
void nameListsByTheirCaptions(QMainWindow& frmMain) {
    for (QGroupBox* frame : frmMain.findChildren<QGroupBox*>())
        for (QAbstractItemView* list : frame->findChildren<QAbstractItemView*>(Qt::FindDirectChildrenOnly))
            list->setAccessibleName(withoutAccessKey(frame->title()));
    auto* dayLabel = frmMain.findChild<QLabel*>(QStringLiteral("lblReportDate"));
    auto* dayList = frmMain.findChild<QAbstractItemView*>(QStringLiteral("listReportDate"));
    if (dayLabel && dayList) dayList->setAccessibleName(withoutAccessKey(dayLabel->text()));
}

}  // namespace

void LocalizeMainWindow(QMainWindow& frmMain) {
    for (const Caption& caption : captions) {
        const QString text =
            caption.fixedText ? QString::fromLatin1(caption.fixedText) : shell::myLoadResString(caption.stringId);
        if (*caption.control == '\0') {
            frmMain.setWindowTitle(text);
            continue;
        }
        if (QObject* control = frmMain.findChild<QObject*>(QString::fromLatin1(caption.control)))
            setCaption(control, caption.tab, text);
    }
    nameListsByTheirCaptions(frmMain);
}

}  // namespace varnel::app
