#include "shellwindows/HelpCommand.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "platform/DataFolder.h"
#include "shell/HelpPage.h"
#include "shellwindows/HelpWindow.h"

namespace varnel::shellwindows {

HelpPages programHelpPages(std::function<QString()> languageCode) {
    return {platform::programDataFolder(), QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName(),
            std::move(languageCode)};
}

void showHelpWindow(QWidget& owner, const HelpPages& pages) {
    const QString code = pages.languageCode ? pages.languageCode() : QString();
    HelpWindow frmHelp(shell::helpPageFile(pages.dataFolder, pages.programBaseName, code), &owner);
    frmHelp.exec();
}

}  // namespace varnel::shellwindows
