#include "mainwindow/LocalizeMainWindow.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QTabWidget>

#include "render/ReportViewCatalogue.h"
#include "shell/EnglishStrings.h"
#include "shell/StringTable.h"

namespace varnel::app {

namespace {

struct Caption {
    const char* control;  // object name; "" for the window's own title
    int stringId;         // -1: the fixed text below
    const char* fixedText = nullptr;
};

// The captions outside the report tabs, in the order they are set; the tabs'
// own follow their designs.
constexpr Caption captions[] = {
    {"", 7},
    {"frmTitle", -1, "Frame1"},
    {"frmStoreDatabaseAt", 31},
    {"cmdParseLogs", 42},
    {"cmdBrowseForDiagFile", 9},
    {"lblDiagFilePath", 14},
    {"lblReportDate", 102},
    {"lblDatabasePath", shell::workingDatabaseLabelStringId},
    {"mnuFile", 29},
    {"mnuSaveDatabase", 97},
    {"mnuSaveReportPage", shell::saveReportPageStringId},
    {"mnuExit", 27},
    {"mnuHelp", 32},
    {"mnuAbout", 6},
    {"mnuHelpFile", 32},
};

QString withoutAccessKey(QString caption) { return caption.remove(QLatin1Char('&')); }

void setCaption(QObject* control, const QString& text) {
    if (auto* menu = qobject_cast<QMenu*>(control)) {
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

// The string table's captions of each report tab and its controls; their
// fixed texts are set as the tabs are built.
void localizeReportTabs(QMainWindow& frmMain) {
    auto* tabs = frmMain.findChild<QTabWidget*>(QStringLiteral("SSTab1"));
    int index = 0;
    for (const render::ReportViewEntry& views : render::reportViewCatalogue()) {
        if (tabs && views.tab.captionId >= 0 && index < tabs->count())
            tabs->setTabText(index, shell::myLoadResString(views.tab.captionId));
        ++index;
        for (const render::TabControl& control : views.tab.controls()) {
            if (control.captionId < 0) continue;
            if (QObject* found = frmMain.findChild<QObject*>(QString::fromLatin1(control.name)))
                setCaption(found, shell::myLoadResString(control.captionId));
        }
    }
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
            setCaption(control, text);
    }
    localizeReportTabs(frmMain);
    nameListsByTheirCaptions(frmMain);
}

}  // namespace varnel::app
