#include "shell/HelpPage.h"

#include <QDir>
#include <QFileInfo>

namespace varnel::shell {

QString helpPageFile(const QString& dataFolder, const QString& programBaseName, const QString& languageCode) {
    const QDir folder(dataFolder);
    QString code = languageCode.trimmed();
    if (code.isEmpty()) code = QString::fromLatin1(defaultLanguageCode);
    const QString languagePage = folder.filePath(programBaseName + QLatin1Char('_') + code + QStringLiteral(".htm"));
    if (QFileInfo(languagePage).isFile()) return languagePage;
    return folder.filePath(programBaseName + QStringLiteral(".htm"));
}

}  // namespace varnel::shell
