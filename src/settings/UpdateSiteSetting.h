// The tools web site of the update check, from the program's settings:
// "Update Host" and "Update Site Name" beside "Log Path". Either missing
// gives its default.
#pragma once

#include "update/UpdateSite.h"

namespace varnel::settings {

shell::UpdateSite readUpdateSite();

}  // namespace varnel::settings
