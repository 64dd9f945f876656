// The values shared by the windows for one run of the program: the data
// files, the working database's connection string, what the parser keeps
// (report date, peak available lines, counters) and the debug flag.
#pragma once

#include "ingest/IngestState.h"
#include "store/DataFiles.h"

namespace varnel::app {

struct AppSession {
    explicit AppSession(store::DataFiles files, bool debug = false) : files(std::move(files)), debug(debug) {}

    store::DataFiles files;
    // The working database file that every reader opens (set at start-up).
    QString connectionString;
    // One for the whole run: peak available lines and the report date carry
    // over from load to load.
    ingest::IngestState ingest;
    bool debug = false;
};

}  // namespace varnel::app
