// The values shared by the windows for one run of the program: the data
// files (the working database among them), what the parser keeps
// (report date, peak available lines, counters), what the last load
// gathered for the reports, the debug flag, the lock that keeps the working
// database to this process, and the store of the latency table.
#pragma once

#include <memory>

#include "catalogue/ReportRun.h"
#include "ingest/IngestState.h"
#include "platform/PrivateFolder.h"
#include "reports/LatencyTableStore.h"
#include "session/LoadGatherers.h"
#include "store/DataFiles.h"
#include "store/WorkingLock.h"

namespace varnel::app {

struct AppSession {
    explicit AppSession(store::DataFiles files, bool debug = false) : files(std::move(files)), debug(debug) {}

    // The template and the working database file that every reader opens.
    store::DataFiles files;
    // One for the whole run: peak available lines and the report date carry
    // over from load to load.
    ingest::IngestState ingest;
    // What the last whole load gathered while its rows were stored, so that
    // the reports need not read them back; empty before a load.
    GatheredRows gathered;
    bool debug = false;

    // The folder of a working database of this process's own, when another
    // process holds the shared one; removed at the end of the run, after the
    // lock below is let go.
    std::unique_ptr<platform::PrivateFolder> privateFolder;
    // Held from start-up to the end of the run (see claimWorkingDatabase).
    std::unique_ptr<store::WorkingDatabaseLock> lock;
    // Stores the latency report's table after its window has drawn the
    // chart. Ended first: a store under way is rolled back before the lock
    // and the private folder go.
    std::shared_ptr<reports::LatencyTableStore> latencyTable = std::make_shared<reports::LatencyTableStore>();

    // What the last load leaves for every report: the working database, the
    // parser's values, the load's gathering and the debug flag.
    catalogue::LoadedSession loadedSession() const;
};

}  // namespace varnel::app
