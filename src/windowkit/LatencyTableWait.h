// Waiting in a window for the latency table that is being stored in the
// background: the busy cursor shows, the windows go on painting and the
// user's clicks and keys wait, as behind any long piece of work.
#pragma once

#include <optional>

#include "platform/UserMessage.h"
#include "reports/LatencyTableStore.h"

namespace varnel::windowkit {

// Waits until the table is stored. A failed store comes back as the latency
// window's failure message (the table then stays as it was before it).
std::optional<platform::UserMessage> waitForLatencyTable(reports::LatencyTableStore& store);

}  // namespace varnel::windowkit
