#include "shell/ProgramVersion.h"

namespace varnel::shell {

ProgramVersion programVersion() { return {VARNEL_VERSION_MAJOR, VARNEL_VERSION_MINOR, VARNEL_VERSION_REVISION}; }

QString versionText(const ProgramVersion& version) {
    return QStringLiteral(" %1.%2 Build %3").arg(version.major).arg(version.minor).arg(version.revision);
}

}  // namespace varnel::shell
