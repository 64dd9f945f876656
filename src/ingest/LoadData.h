// The load of chosen days: a fresh working database, every log file of every
// chosen day parsed into it, and the outcome with its summary.
#pragma once

#include <QDate>
#include <QList>
#include <QStringList>
#include <atomic>

#include "ingest/IngestState.h"
#include "ingest/ParseObserver.h"
#include "store/DataFiles.h"

namespace varnel::ingest {

struct LoadRequest {
    QString logFolder;
    QList<QDate> days;      // in the order of the day list
    QString firstDayEntry;  // the day list's first entry, named by the summary
    // Sees every batch of rows before it is stored; none when null.
    store::RowWatcher* watcher = nullptr;
    // While raised the load stops between lines; never when null.
    const std::atomic<bool>* cancel = nullptr;
};

enum class LoadOutcome {
    Loaded,            // calls and nodes on both sides: reports can run
    NoCallTraffic,     // no INCOMING or OUTGOING line
    NoMessageTraffic,  // calls, but no node on one side
    DatabaseFailed,    // the working database could not be opened or written
    Cancelled,         // stopped by the cancel flag; nothing said, nothing to show
};

struct LoadResult {
    LoadOutcome outcome = LoadOutcome::DatabaseFailed;
    LoadCounters counters;
    QStringList veyraNodes;  // in order of first occurrence
    QStringList keldanNodes;
    QString summary;  // the summary message, lines ended by CR LF; empty unless Loaded
    // The logs not read in full, in load order: not opened, not a regular
    // file, over the line limit, or ended early. Each was also said to the
    // observer when it was met; the outcome stands for what was read.
    QStringList logsNotReadInFull;
};

// Runs the load. Messages for the user (failures, the outcome messages) go
// to the observer; the summary is returned for the caller to show.
LoadResult loadDays(const LoadRequest& request, const store::DataFiles& files, IngestState& state,
                    ParseObserver& observer);

// The seven-line summary message, each line ended by lineEnd.
QString loadSummaryText(const QString& firstDayEntry, const LoadCounters& counters, const QString& lineEnd);

}  // namespace varnel::ingest
