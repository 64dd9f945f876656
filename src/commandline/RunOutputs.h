// The files a varnel-report run writes into its output folder, known before
// the load by the pattern of their names (the report date that ends them is
// set by the load), and the lock the run holds on that folder.
#pragma once

#include <QString>

#include "commandline/CliOptions.h"

namespace varnel::cli {

// --out-dir, else the current folder.
QString outputFolderOf(const CliOptions& options);

// The lock file held in the output folder while the run writes there.
QString outputLockPathOf(const CliOptions& options);

// True when path (or the file a link there leads to) is one the run writes
// into its output folder, for any report date: a chosen report's CSV file or
// chart, the unmatched-message file, or the output folder's lock.
bool isRunOutput(const CliOptions& options, const QString& path);

}  // namespace varnel::cli
