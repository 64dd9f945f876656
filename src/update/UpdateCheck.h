// What the update check tells the user: the published version against the
// program's own, and the message for each outcome.
#pragma once

#include <QString>

#include "platform/UserMessage.h"
#include "shell/ProgramVersion.h"
#include "update/UpdateSite.h"

namespace varnel::shell {

// The version as the home page publishes it: "major.minor.revision", for
// example 2.1.37.
QString ownVersionText(const ProgramVersion& version);

enum class UpdateVerdict {
    Unreachable,      // no published version could be read
    UpdateAvailable,  // the published version is newer
    UpToDate,         // the own version is the published one or newer
};

UpdateVerdict judgeUpdate(const QString& ownVersion, const QString& publishedVersion);

// The message of the verdict, naming the site. The box of UpdateAvailable
// asks with OK and Cancel whether to open the home page.
platform::UserMessage updateCheckMessage(UpdateVerdict verdict, const UpdateSite& site);

}  // namespace varnel::shell
