// The program's own version, as the build names it.
#pragma once

#include <QString>

namespace varnel::shell {

struct ProgramVersion {
    int major = 0;
    int minor = 0;
    int revision = 0;
};

ProgramVersion programVersion();

// The About window's version text: " 2.1 Build 37" for 2.1, revision 37.
QString versionText(const ProgramVersion& version);

}  // namespace varnel::shell
