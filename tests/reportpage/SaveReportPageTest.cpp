// File > Save Report Page... of the main window over a loaded day: the item
// follows the report buttons, the save dialog proposes the page's default
// name, the page holds every report with the tabs' choices, and a checked
// choice or a failed write is said.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QTimeEdit>

#include "mainwindow/MainWindowFixture.h"
#include "platform/DocumentsFolder.h"
#include "reportpage/WindowsReportPage.h"
#include "shell/StringTable.h"
#include "windowkit/ProgressPanel.h"

namespace varnel::app::test {
namespace {

class SaveReportPage : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        writeLog("CallLog_20040512.log", dayLines("5/12/2004", "1001", "2001") + dayLines("5/12/2004", "1002", "2002"));
        RunOptions options;
        options.logFolder = logs_.path();
        open(options, nullptr, [this](MainWindowServices& services) { services.reportPageSaver = &page_; });
    }
    QAction* item() const { return control<QAction>("mnuSaveReportPage"); }
    QString target() const { return QDir(out_.path()).filePath(QStringLiteral("page.html")); }
    QString written() const {
        QFile file(target());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    reportpage::WindowsReportPage page_;
    QTemporaryDir out_;
};

TEST_F(SaveReportPage, ItemFollowsTheReportButtonsAndWritesEveryReportWithTheTabsChoices) {
    EXPECT_EQ(item()->text(), QStringLiteral("Save Report Page..."));
    EXPECT_FALSE(item()->isEnabled()) << "nothing is loaded yet";
    selectDays({0});
    loadData();
    ASSERT_TRUE(item()->isEnabled());
    dialogs_.messages.clear();

    control<QTimeEdit>("timeLatencyStart")->setTime(QTime(8, 0, 0));
    control<QTimeEdit>("timeLatencyEnd")->setTime(QTime(9, 30, 0));
    dialogs_.saveAnswer = QDir::toNativeSeparators(target());
    item()->trigger();

    EXPECT_EQ(dialogs_.saveSuggestions,
              QStringList{QDir::toNativeSeparators(
                  QDir(platform::documentsFolder()).filePath(QStringLiteral("VarnelReport_5_12_2004.html")))});
    // The user is told where the page went, as the summary's save tells it.
    EXPECT_EQ(dialogs_.texts(),
              QStringList{QStringLiteral("The report page was saved to %1.").arg(QDir::toNativeSeparators(target()))});
    const QString html = written();
    for (const char* anchor : {"port-availability", "queue-activity", "latency", "node-traffic", "node-errors"})
        EXPECT_TRUE(html.contains(QStringLiteral("<section id=\"%1\">").arg(QLatin1String(anchor)))) << anchor;
    EXPECT_EQ(html.count(QStringLiteral("<img src=\"data:image/png;base64,")), 5);
    EXPECT_EQ(html.count(QStringLiteral("Time range: after 08:00:00 and before 09:30:00.")), 1);
    EXPECT_TRUE(html.contains(QDir::toNativeSeparators(logs_.path())));
    EXPECT_TRUE(html.contains(QStringLiteral("<li>Inbound Calls=2</li>")));
    EXPECT_FALSE(control<ProgressPanel>("frmTitle")->isVisible());
}

TEST_F(SaveReportPage, ATabsFailedCheckIsSaidBeforeAnyDialogAndAFailedWriteNamesItsReason) {
    selectDays({0});
    loadData();
    dialogs_.messages.clear();
    control<QCheckBox>("chkNodeErrorLimitNodes")->setChecked(true);
    dialogs_.saveAnswer = target();
    item()->trigger();
    EXPECT_EQ(dialogs_.texts(), QStringList{shell::myLoadResString(129)});
    EXPECT_EQ(control<QTabWidget>("SSTab1")->currentIndex(), 4) << "the tab of the failed check";
    EXPECT_TRUE(dialogs_.saveSuggestions.isEmpty());
    EXPECT_FALSE(QFile::exists(target()));

    control<QCheckBox>("chkNodeErrorLimitNodes")->setChecked(false);
    dialogs_.messages.clear();
    const QString missing = QDir(out_.path()).filePath(QStringLiteral("no such folder/page.html"));
    dialogs_.saveAnswer = missing;
    item()->trigger();
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_TRUE(
        dialogs_.messages[0].text.startsWith(QStringLiteral("Unable to write ") + missing + QStringLiteral(": ")))
        << dialogs_.messages[0].text.toStdString();
    EXPECT_EQ(dialogs_.messages[0].icon, platform::UserMessage::Icon::Critical);

    // Neither the working database nor a log of the loaded folder is ever replaced.
    for (const QString& kept : {session_->files.workingPath(), QDir(logs_.path()).filePath("CallLog_20040512.log")}) {
        QFile file(kept);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();
        dialogs_.messages.clear();
        dialogs_.saveAnswer = QDir::toNativeSeparators(kept);
        item()->trigger();
        ASSERT_EQ(dialogs_.messages.size(), 1u) << kept.toStdString();
        EXPECT_TRUE(dialogs_.messages[0].text.contains(QDir::toNativeSeparators(kept)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), before);
    }

    dialogs_.messages.clear();
    dialogs_.saveAnswer.reset();  // the user cancels
    item()->trigger();
    EXPECT_TRUE(dialogs_.messages.empty());
}

}  // namespace
}  // namespace varnel::app::test
