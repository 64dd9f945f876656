// Where the program's shipped data lies (language packs, help pages, the
// update helper, the icon): share/varnel-traffic beside the bin/ folder of an
// installed program, else the program's own folder, as in the build tree.
// The working database never goes here; it lives in the user's data folder.
#pragma once

#include <QString>

namespace varnel::platform {

// The installed data folder's path below the install prefix.
inline constexpr const char* installedDataSubfolder = "share/varnel-traffic";

// The data folder of a program whose executable lies in executableFolder.
QString dataFolderFor(const QString& executableFolder);

// The data folder of the running program (needs the application object).
QString programDataFolder();

}  // namespace varnel::platform
