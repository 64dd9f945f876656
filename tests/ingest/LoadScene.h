// What a test of a load needs: a folder for its logs, a data folder with the
// working database, the state the parser keeps and an observer that records
// what the load reports.
#pragma once

#include "TestFiles.h"
#include "ingest/IngestState.h"
#include "ingest/RecordingObserver.h"
#include "store/DataFiles.h"

namespace varnel::test {

struct LoadScene {
    TempFolder logs;
    TempFolder data;
    store::DataFiles files{data.path()};
    ingest::IngestState state;
    RecordingObserver observer;
};

}  // namespace varnel::test
