// The last log folder that held logs, kept as "Log Path" under the program's
// settings key of the user's settings.
#pragma once

#include <QString>

namespace varnel::settings {

// The stored folder text; empty when there is none. On a first start the
// key is created. Throws platform::RegistryError when it cannot be.
QString readStoredLogFolder();

// Stores the folder text as "Log Path".
void storeLogFolder(const QString& folder);

}  // namespace varnel::settings
