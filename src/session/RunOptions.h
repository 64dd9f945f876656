// The arguments of the desktop program: --logs DIR (the log folder for this
// run, not stored), --data-dir DIR (where the working database files go) and
// the word "debug" in any letter case (the latency report's diagnostic file).
#pragma once

#include <QString>
#include <QStringList>

namespace varnel::app {

struct RunOptions {
    QString logFolder;   // empty: the stored folder
    QString dataFolder;  // empty: the user's application data folder
    bool debug = false;
};

// Reads the arguments after the program name. Unknown arguments are passed
// over; "debug" counts anywhere except inside the folders given to --logs and
// --data-dir.
RunOptions parseRunOptions(const QStringList& arguments);

}  // namespace varnel::app
