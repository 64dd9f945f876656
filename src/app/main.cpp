// varnel-traffic: the desktop program.
#include <QApplication>
#include <QDir>
#include <QIcon>

#include "app/AppSession.h"
#include "app/ExitApplication.h"
#include "app/MainWindow.h"
#include "app/RunOptions.h"
#include "platform/DataFolder.h"
#include "platform/ProcessPriority.h"
#include "platform/WidgetDialogs.h"
#include "reportpage/WindowsReportPage.h"
#include "reportwindows/PrinterChooser.h"
#include "reportwindows/ReportWindows.h"
#include "summarywindows/SummaryWindows.h"

using namespace varnel;

int main(int argc, char** argv) {
    // Before any thread starts, so that every thread of the program runs at
    // the lowered priority.
    platform::SetProcessPriority(platform::BelowNormalPriorityClass);

    QApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Dravon"));
    QCoreApplication::setApplicationName(QStringLiteral("Varnel Reports"));
    // The desktop's icon theme first (the installed hicolor icon), else the
    // program's own copy in its data folder.
    QApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral("varnel-traffic"),
                         QIcon(QDir(platform::programDataFolder()).filePath(QStringLiteral("varnel-traffic.svg")))));
    QGuiApplication::setDesktopFileName(QStringLiteral("varnel-traffic"));

    const app::RunOptions options = app::parseRunOptions(QCoreApplication::arguments());
    app::AppSession session(
        store::DataFiles(options.dataFolder.isEmpty() ? store::DataFiles::defaultFolder() : options.dataFolder),
        options.debug);
    platform::WidgetDialogs dialogs;
    reportwindows::PrintDialogChooser printers;
    const summarywindows::SummaryWindowServices summaryServices{dialogs, {}, {}};
    reportwindows::ReportWindows reportWindows(
        {dialogs,
         printers,
         [&summaryServices](const reports::ReportInputs& inputs, QWidget& owner) {
             summarywindows::openSummaryWindow(inputs, owner, summaryServices);
         },
         {},
         {}});
    reportpage::WindowsReportPage reportPage;
    app::MainWindow frmMain(session, {dialogs, &app::ExitApplication, &reportWindows, &reportPage});
    dialogs.setParent(&frmMain);

    frmMain.formLoad(options);
    frmMain.show();
    return QApplication::exec();
}
