// Runs a piece of work on a thread of its own while the window system goes on
// painting, so that a long build never freezes the windows; the user's clicks
// and keys wait meanwhile, as they would behind a modal window.
#pragma once

#include <functional>

namespace varnel::windowkit {

// Runs work on a worker thread and returns once it has ended. Call on the
// user-interface thread; work must not touch widgets (it may post to them).
void runWhilePainting(const std::function<void()>& work);

}  // namespace varnel::windowkit
