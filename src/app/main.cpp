// varnel-traffic: the desktop program.
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QIcon>
#include <QNetworkProxyFactory>

#include "mainwindow/MainWindow.h"
#include "platform/DataFolder.h"
#include "platform/FileNameBytes.h"
#include "platform/PrivateFolder.h"
#include "platform/ProcessPriority.h"
#include "platform/SignalCleanup.h"
#include "reportpage/WindowsReportPage.h"
#include "reportwindows/PrinterChooser.h"
#include "reportwindows/ReportWindowLauncher.h"
#include "session/AppSession.h"
#include "session/ExitApplication.h"
#include "session/RunOptions.h"
#include "settings/ProgramSettings.h"
#include "settings/UpdateSiteSetting.h"
#include "shell/HelpPage.h"
#include "shell/Localize.h"
#include "shellwindows/AboutCommand.h"
#include "shellwindows/HelpCommand.h"
#include "shellwindows/UpdateCheckCommand.h"
#include "summarywindows/OpenSummaryWindow.h"
#include "update/BackgroundUpdateCheck.h"
#include "update/UpdateCheck.h"
#include "windowkit/WidgetDialogs.h"

using namespace varnel;

int main(int argc, char** argv) {
    // Before any thread starts, so that every thread of the program runs at
    // the lowered priority.
    platform::SetProcessPriority(platform::BelowNormalPriorityClass);
    // Ended by a signal, the program still removes its private files.
    platform::installSignalCleanup();

    QApplication application(argc, argv);
    settings::nameProgramSettings();
    // The desktop's icon theme first (the installed hicolor icon), else the
    // program's own copy in its data folder.
    QApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral("varnel-traffic"),
                         QIcon(QDir(platform::programDataFolder()).filePath(QStringLiteral("varnel-traffic.svg")))));
    QGuiApplication::setDesktopFileName(QStringLiteral("varnel-traffic"));

    const app::RunOptions options = app::parseRunOptions(platform::commandLineArguments(argc, argv));
    // Private folders of runs that were killed outright.
    platform::removeAbandonedPrivateFolders();
    app::AppSession session(
        store::DataFiles(options.dataFolder.isEmpty() ? store::DataFiles::defaultFolder() : options.dataFolder),
        options.debug);
    // The language stays the own English table until the About window first
    // loads; its first load settles the user's default language.
    const QString dataFolder = platform::programDataFolder();

    platform::WidgetDialogs dialogs;
    reportwindows::PrintDialogChooser printers;

    // The page of the language then current; the default page's language
    // until one is chosen.
    const shellwindows::HelpPages helpPages =
        shellwindows::programHelpPages([] { return shell::GetLanguageCode(shell::currentLanguage()); });
    const auto showHelp = [&helpPages](QWidget& owner) { shellwindows::showHelpWindow(owner, helpPages); };

    // The update check asks through the proxy the desktop is configured with.
    QNetworkProxyFactory::setUseSystemConfiguration(true);
    const shell::UpdateSite updateSite = settings::readUpdateSite();
    shellwindows::UpdateCheckCommand updateCheck(updateSite, shell::ownVersionText(shell::programVersion()),
                                                 {dialogs, [](const QUrl& page) { QDesktopServices::openUrl(page); }});

    shellwindows::AboutCommand about({dialogs, dataFolder});
    const auto showAbout = [&about](QWidget& owner) { about.show(owner); };
    const summarywindows::SummaryWindowServices summaryServices{dialogs, showHelp, showAbout};
    reportwindows::ReportWindowLauncher reportWindows(
        {dialogs, printers,
         [&summaryServices](const reports::ReportInputs& inputs, QWidget& owner) {
             summarywindows::openSummaryWindow(inputs, owner, summaryServices);
         },
         showHelp, showAbout});
    reportpage::WindowsReportPage reportPage;
    app::MainWindow frmMain(session, {dialogs, &app::ExitApplication, &reportWindows, &reportPage, showAbout, showHelp,
                                      [&updateCheck](QWidget& window) { updateCheck.CheckForUpdatedVersion(window); },
                                      [&updateSite] {
                                          return shell::CheckForUpdatedVersion_Background(
                                              platform::programDataFolder(),
                                              shell::ownVersionText(shell::programVersion()),
                                              shell::homePageAddress(updateSite));
                                      }});
    dialogs.setParent(&frmMain);

    frmMain.formLoad(options);
    frmMain.show();
    return QApplication::exec();
}
