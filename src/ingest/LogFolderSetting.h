// The one stored setting: the last log folder that held logs, kept as
// "Log Path" under "Software\Dravon\Varnel Reports" of the user's settings.
#pragma once

#include <QString>

namespace varnel::ingest {

inline constexpr const char* settingsKeyPath = "Software\\Dravon\\Varnel Reports";
inline constexpr const char* logPathValueName = "Log Path";

// The stored folder text; empty when there is none. On a first start the
// key is created. Throws platform::RegistryError when it cannot be.
QString readStoredLogFolder();

// Stores the folder text as "Log Path".
void storeLogFolder(const QString& folder);

}  // namespace varnel::ingest
