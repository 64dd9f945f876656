// Logs of a day that cannot be read in full, as a gateway folder may hold
// them: a link to a file that is gone, a link to itself, and a log over the
// 1,000,000-line limit.
#pragma once

#include <QFile>
#include <QStringList>
#include <string>

#include "TestFiles.h"

namespace varnel::test {

// Writes CallLog_<yyyymmdd>_2.log to _4.log into the folder; their paths in
// that order, or nothing when a link cannot be made.
inline QStringList writeLogsNotReadInFull(const TempFolder& logs, const QString& yyyymmdd) {
    const QString dangling = logs.file("CallLog_" + yyyymmdd + "_2.log");
    const QString loop = logs.file("CallLog_" + yyyymmdd + "_3.log");
    if (!QFile::link(logs.file("gone.log"), dangling) || !QFile::link(loop, loop)) return {};
    std::string tooLong;
    for (int i = 0; i < 1'000'001; ++i) tooLong += "x\n";
    return {dangling, loop, logs.write("CallLog_" + yyyymmdd + "_4.log", tooLong)};
}

}  // namespace varnel::test
