#include "session/AppSession.h"

namespace varnel::app {

catalogue::LoadedSession AppSession::loadedSession() const {
    return {files.workingPath(), &ingest, gathered.messageEvents, gathered.nodeTallies, gathered.latencyPairs,
            latencyTable,        debug,   gathered.dailyTrend};
}

}  // namespace varnel::app
