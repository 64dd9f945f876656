#include "settings/LogFolderSetting.h"

#include "platform/RegistryAPI.h"
#include "settings/ProgramSettings.h"

namespace varnel::settings {

namespace {

using platform::RegistryValueKind;

constexpr platform::RegistryRoot settingsRoot = QSettings::UserScope;

}  // namespace

QString readStoredLogFolder() {
    if (!platform::KeyExists(settingsRoot, settingsKeyPath())) {
        platform::CreateKey(settingsRoot, settingsKeyPath());
        return {};
    }
    return platform::QueryValue(settingsRoot, settingsKeyPath(), QString::fromLatin1(logPathValueName),
                                static_cast<int>(RegistryValueKind::Text), QString())
        .toString();
}

void storeLogFolder(const QString& folder) {
    platform::SetValue(settingsRoot, settingsKeyPath(), QString::fromLatin1(logPathValueName),
                       static_cast<int>(RegistryValueKind::Text), folder);
}

}  // namespace varnel::settings
