// ParseLogFile: reads one call log and turns its lines into rows of the raw
// tables, raising the load counters and gathering the node serial numbers.
#pragma once

#include <QString>
#include <atomic>

#include "ingest/IngestState.h"
#include "ingest/ParseObserver.h"
#include "store/RawRows.h"

namespace varnel::ingest {

class CallLogParser {
public:
    static constexpr int64_t lineLimit = 1'000'000;
    static constexpr int portCount = 121;  // ports 0..120
    static constexpr int progressStep = 101;

    enum class FileOutcome {
        Read,           // every line of the file was read (line-level failures aside)
        NotReadInFull,  // not opened, not a regular file, over the line limit, or ended early
        Cancelled,      // the cancel flag was raised; the file's later lines were not read
    };

    // watcher, when given, sees every batch before the sink takes it; while
    // cancel, when given, is raised, parsing stops between lines.
    CallLogParser(IngestState& state, store::RowSink& sink, ParseObserver& observer,
                  store::RowWatcher* watcher = nullptr, const std::atomic<bool>* cancel = nullptr);

    // Parses one file. A file over the line limit writes nothing. Failures
    // are reported to the observer, line-level ones once, when the file ends.
    FileOutcome parseFile(const QString& path);

private:
    IngestState& state_;
    store::RowSink& sink_;
    ParseObserver& observer_;
    store::RowWatcher* watcher_;
    const std::atomic<bool>* cancel_;
};

}  // namespace varnel::ingest
