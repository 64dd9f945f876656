// The tools web site of the update check, from the program's settings:
// "Update Host" and "Update Site Name" beside "Log Path". Either missing
// gives its default.
#pragma once

#include "shell/UpdateSite.h"

namespace varnel::shellwindows {

inline constexpr const char* updateHostValueName = "Update Host";
inline constexpr const char* updateSiteNameValueName = "Update Site Name";

shell::UpdateSite readUpdateSite();

}  // namespace varnel::shellwindows
