#include "platform/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace varnel::platform {

QString dataFolderFor(const QString& executableFolder) {
    const QDir bin(executableFolder);
    const QString installed = QDir::cleanPath(bin.filePath(QStringLiteral("../") + installedDataSubfolder));
    if (QFileInfo(installed).isDir()) return installed;
    return QDir::cleanPath(bin.absolutePath());
}

QString programDataFolder() { return dataFolderFor(QCoreApplication::applicationDirPath()); }

}  // namespace varnel::platform
