#include "update/BackgroundUpdateCheck.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace varnel::shell {

std::optional<platform::UserMessage> CheckForUpdatedVersion_Background(const QString& dataFolder,
                                                                       const QString& ownVersion,
                                                                       const QUrl& homePage) {
    const QString helper = QDir(dataFolder).filePath(QString::fromLatin1(updateHelperName));
    if (!QFileInfo(helper).isFile()) return std::nullopt;

    // Through the shell, so that a helper without its execute bit still runs.
    QProcess process;
    process.setProgram(QStringLiteral("/bin/sh"));
    process.setArguments({helper, ownVersion, homePage.toString()});
    process.setWorkingDirectory(dataFolder);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    if (process.startDetached()) return std::nullopt;
    return platform::UserMessage(
        QStringLiteral("Error %1 (%2) in procedure CheckForUpdatedVersion_Background of Module modUpdateCheck")
            .arg(static_cast<int>(process.error()))
            .arg(process.errorString()));
}

}  // namespace varnel::shell
