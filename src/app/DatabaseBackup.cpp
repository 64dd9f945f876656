#include "app/DatabaseBackup.h"

#include <SQLiteCpp/Backup.h>
#include <SQLiteCpp/Database.h>

#include <QFile>
#include <QFileInfo>

namespace varnel::app {

namespace {

std::string fileName(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

void backupDatabase(const QString& source, const QString& target) {
    if (!QFileInfo(source).isFile())
        throw BackupError(QStringLiteral("The database %1 does not exist").arg(source).toStdString());
    if (QFileInfo(source).canonicalFilePath() == QFileInfo(target).canonicalFilePath())
        throw BackupError("A database cannot be saved over itself");

    // Written beside the target and renamed, so a failed copy never leaves a
    // damaged file under the chosen name.
    const QString partial = target + QStringLiteral(".partial");
    QFile::remove(partial);
    try {
        SQLite::Database from(fileName(source), SQLite::OPEN_READONLY);
        SQLite::Database to(fileName(partial), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        SQLite::Backup backup(to, from);
        backup.executeStep();
    } catch (const std::exception& e) {
        QFile::remove(partial);
        throw BackupError(e.what());
    }
    if (QFileInfo::exists(target) && !QFile::remove(target)) {
        QFile::remove(partial);
        throw BackupError(QStringLiteral("Cannot replace %1").arg(target).toStdString());
    }
    if (!QFile::rename(partial, target)) {
        QFile::remove(partial);
        throw BackupError(QStringLiteral("Cannot write %1").arg(target).toStdString());
    }
}

}  // namespace varnel::app
