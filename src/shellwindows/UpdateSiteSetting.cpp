#include "shellwindows/UpdateSiteSetting.h"

#include "ingest/LogFolderSetting.h"
#include "platform/RegistryAPI.h"

namespace varnel::shellwindows {

namespace {

QString storedText(const char* name, const char* fallback) {
    const QString stored =
        platform::QueryValue(QSettings::UserScope, QString::fromLatin1(ingest::settingsKeyPath),
                             QString::fromLatin1(name), static_cast<int>(platform::RegistryValueKind::Text), QString())
            .toString()
            .trimmed();
    return stored.isEmpty() ? QString::fromLatin1(fallback) : stored;
}

}  // namespace

shell::UpdateSite readUpdateSite() {
    return {storedText(updateHostValueName, shell::defaultUpdateHost),
            storedText(updateSiteNameValueName, shell::defaultUpdateSiteName)};
}

}  // namespace varnel::shellwindows
