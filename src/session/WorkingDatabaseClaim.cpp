#include "session/WorkingDatabaseClaim.h"

#include <QDir>

#include "shell/EnglishStrings.h"
#include "shell/StringTable.h"

namespace varnel::app {

std::optional<platform::UserMessage> claimWorkingDatabase(AppSession& session) {
    session.lock = std::make_unique<store::WorkingDatabaseLock>(session.files.workingPath());
    // A folder where no lock can be made cannot be written either; the
    // start-up copy then says why.
    if (session.lock->acquire() != store::WorkingDatabaseLock::State::InUse) return std::nullopt;

    const QString inUse = session.lock->inUseText();
    session.lock.reset();
    session.privateFolder = std::make_unique<platform::PrivateFolder>(platform::desktopFolderPrefix);
    if (!session.privateFolder->isValid()) {
        session.privateFolder.reset();
        return platform::UserMessage(
            inUse + QStringLiteral("\r\n") + shell::myLoadResString(shell::noPrivateFolderStringId), {},
            platform::UserMessage::Icon::Exclamation);
    }
    session.files = store::DataFiles(session.privateFolder->path());
    session.lock = std::make_unique<store::WorkingDatabaseLock>(session.files.workingPath());
    session.lock->acquire();
    return platform::UserMessage(inUse + QStringLiteral("\r\n") +
                                     shell::myLoadResString(shell::privateDatabaseStringId)
                                         .arg(QDir::toNativeSeparators(session.privateFolder->path())),
                                 {}, platform::UserMessage::Icon::Exclamation);
}

}  // namespace varnel::app
