// The check of varnel-report's --db FILE: the working database is replaced at
// every load, so FILE must not be an input of the run, one of its outputs or
// someone's data.
#pragma once

#include <QString>
#include <optional>

#include "commandline/CliOptions.h"

namespace varnel::cli {

// True when path (or the file a link there leads to) is named like a
// database template, in any data folder: each is copied at every load there.
bool namesATemplate(const QString& path);

// Why options.databasePath must not be replaced: it is a database template
// (any file named like one, in whichever data folder), a log of the log
// folder, one of the run's own output files, a folder, or an existing file
// that is not a SQLite database. Nothing when it may be replaced (missing,
// empty, or a SQLite database).
std::optional<QString> databaseOptionProblem(const CliOptions& options);

}  // namespace varnel::cli
