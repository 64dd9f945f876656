// The program's own version: major, minor and revision number.
#pragma once

#include <QString>

namespace varnel::shell {

struct ProgramVersion {
    int major;
    int minor;
    int revision;
};

ProgramVersion programVersion();

// "major.minor.revision", for example 2.1.37.
QString ownVersionText();

}  // namespace varnel::shell
