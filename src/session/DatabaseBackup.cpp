#include "session/DatabaseBackup.h"

#include <SQLiteCpp/Backup.h>
#include <SQLiteCpp/Database.h>

#include <QFile>
#include <QFileInfo>

#include "platform/WholeFileWriter.h"
#include "shell/EnglishStrings.h"
#include "shell/StringTable.h"
#include "store/SqliteFailure.h"

namespace varnel::app {

namespace {

std::string fileName(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

void backupDatabase(const QString& source, const QString& target) {
    if (!QFileInfo(source).isFile())
        throw BackupError(shell::myLoadResString(shell::databaseMissingStringId).arg(source).toStdString());
    if (QFileInfo(source).canonicalFilePath() == QFileInfo(target).canonicalFilePath())
        throw BackupError(shell::myLoadResString(shell::databaseOverItselfStringId).toStdString());

    // The copy fills a temporary file beside the target, which replaces the
    // target only once it is complete and synced.
    const auto failure = platform::writeWholeFileByName(target, [&](const QString& partial) -> std::optional<QString> {
        std::optional<SQLite::Database> to;
        try {
            SQLite::Database from(fileName(source), SQLite::OPEN_READONLY);
            to.emplace(fileName(partial), SQLite::OPEN_READWRITE);
            SQLite::Backup backup(*to, from);
            backup.executeStep();
        } catch (const std::exception& e) {
            return store::sqliteFailureReason(e, to ? to->getHandle() : nullptr);
        }
        return std::nullopt;
    });
    if (failure) throw BackupError(failure->reason.toStdString());
}

}  // namespace varnel::app
