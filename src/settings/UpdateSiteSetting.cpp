#include "settings/UpdateSiteSetting.h"

#include "platform/RegistryAPI.h"
#include "settings/ProgramSettings.h"

namespace varnel::settings {

namespace {

QString storedText(const char* name, const char* fallback) {
    const QString stored = platform::QueryValue(QSettings::UserScope, settingsKeyPath(), QString::fromLatin1(name),
                                                static_cast<int>(platform::RegistryValueKind::Text), QString())
                               .toString()
                               .trimmed();
    return stored.isEmpty() ? QString::fromLatin1(fallback) : stored;
}

}  // namespace

shell::UpdateSite readUpdateSite() {
    return {storedText(updateHostValueName, shell::defaultUpdateHost),
            storedText(updateSiteNameValueName, shell::defaultUpdateSiteName)};
}

}  // namespace varnel::settings
