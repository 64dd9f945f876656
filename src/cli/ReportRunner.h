// Runs the reports named on the command line over a loaded working database
// and writes each summary's CSV file into the output folder under its default
// name. Report messages go to the message sink.
#pragma once

#include <QString>

#include "cli/CliOptions.h"
#include "ingest/IngestState.h"
#include "ingest/LoadData.h"
#include "platform/UserMessage.h"

namespace varnel::cli {

// Returns the exit status: done, bad arguments (no node of the load selected
// on a side) or failure (database or file trouble, reported to messages).
int runReports(const CliOptions& options, const QString& databasePath, const ingest::IngestState& state,
               const ingest::LoadResult& load, platform::MessageSink& messages);

}  // namespace varnel::cli
