// ParseLogFile: reads one call log and turns its lines into rows of the raw
// tables, raising the load counters and gathering the node serial numbers.
#pragma once

#include <QString>

#include "ingest/IngestState.h"
#include "ingest/ParseObserver.h"
#include "store/RawRows.h"

namespace varnel::ingest {

class CallLogParser {
public:
    static constexpr int64_t lineLimit = 1'000'000;
    static constexpr int portCount = 121;  // ports 0..120
    static constexpr int progressStep = 101;

    // watcher, when given, sees every batch before the sink takes it.
    CallLogParser(IngestState& state, store::RowSink& sink, ParseObserver& observer,
                  store::RowWatcher* watcher = nullptr);

    // Parses one file. A file over the line limit writes nothing. Line-level
    // failures are reported once, when the file ends.
    void parseFile(const QString& path);

private:
    IngestState& state_;
    store::RowSink& sink_;
    ParseObserver& observer_;
    store::RowWatcher* watcher_;
};

}  // namespace varnel::ingest
