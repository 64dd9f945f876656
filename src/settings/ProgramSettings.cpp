#include "settings/ProgramSettings.h"

#include <QCoreApplication>

namespace varnel::settings {

QString settingsKeyPath() {
    return QStringLiteral("Software\\%1\\%2").arg(QLatin1String(organisationName), QLatin1String(applicationName));
}

void nameProgramSettings() {
    QCoreApplication::setOrganizationName(QString::fromLatin1(organisationName));
    QCoreApplication::setApplicationName(QString::fromLatin1(applicationName));
}

}  // namespace varnel::settings
