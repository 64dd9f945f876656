// The start-up update check: starts the update helper of the data folder
// with the own version and the home page address, and never waits for it.
#pragma once

#include <QString>
#include <QUrl>
#include <optional>

#include "platform/UserMessage.h"

namespace varnel::shell {

// The helper's file name in the data folder.
inline constexpr const char* updateHelperName = "test.sh";

// Starts dataFolder/test.sh <ownVersion> <homePage> detached, in the data
// folder, with no input or output. Nothing happens when the helper is
// missing; a helper that cannot be started gives the message to show.
std::optional<platform::UserMessage> CheckForUpdatedVersion_Background(const QString& dataFolder,
                                                                       const QString& ownVersion, const QUrl& homePage);

}  // namespace varnel::shell
