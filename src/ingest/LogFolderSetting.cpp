#include "ingest/LogFolderSetting.h"

#include "platform/RegistryAPI.h"

namespace varnel::ingest {

namespace {

using platform::RegistryValueKind;

constexpr platform::RegistryRoot settingsRoot = QSettings::UserScope;

QString keyPath() { return QString::fromLatin1(settingsKeyPath); }

}  // namespace

QString readStoredLogFolder() {
    if (!platform::KeyExists(settingsRoot, keyPath())) {
        platform::CreateKey(settingsRoot, keyPath());
        return {};
    }
    return platform::QueryValue(settingsRoot, keyPath(), QString::fromLatin1(logPathValueName),
                                static_cast<int>(RegistryValueKind::Text), QString())
        .toString();
}

void storeLogFolder(const QString& folder) {
    platform::SetValue(settingsRoot, keyPath(), QString::fromLatin1(logPathValueName),
                       static_cast<int>(RegistryValueKind::Text), folder);
}

}  // namespace varnel::ingest
