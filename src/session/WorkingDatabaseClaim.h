// Start-up's claim on the working database: one process at a time uses it.
#pragma once

#include <optional>

#include "platform/UserMessage.h"
#include "session/AppSession.h"

namespace varnel::app {

// Takes the lock of the session's working database for this run. When
// another running process holds it, the session moves to a working database
// of its own in a private temporary folder, so that loads and reports still
// work without touching the other's file; the message says so and names the
// holder. Nothing to say when the lock was taken.
std::optional<platform::UserMessage> claimWorkingDatabase(AppSession& session);

}  // namespace varnel::app
