// The check of varnel-report's --db FILE: the working database is replaced at
// every load, so FILE must not be an input of the run or someone's data.
#pragma once

#include <QString>
#include <optional>

namespace varnel::cli {

// Why FILE must not be replaced: it is the database template, a log of the
// log folder, a folder, or an existing file that is not a SQLite database.
// Nothing when it may be replaced (missing, empty, or a SQLite database).
std::optional<QString> databaseOptionProblem(const QString& databasePath, const QString& logFolder,
                                             const QString& templatePath);

}  // namespace varnel::cli
