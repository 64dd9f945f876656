#include "commandline/DatabaseOption.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "ingest/DayList.h"

namespace varnel::cli {

namespace {

bool isSqliteDatabase(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    if (file.size() == 0) return true;  // SQLite takes an empty file as an empty database
    static const QByteArray header("SQLite format 3\0", 16);
    return file.read(header.size()) == header;
}

}  // namespace

std::optional<QString> databaseOptionProblem(const QString& databasePath, const QString& logFolder,
                                             const QString& templatePath) {
    const QString shown = QDir::toNativeSeparators(databasePath);
    const QString target = ingest::resolvedPath(databasePath);
    if (target == ingest::resolvedPath(templatePath))
        return QStringLiteral("--db names the database template, which is never replaced: %1").arg(shown);
    if (ingest::isLogOfFolder(databasePath, logFolder))
        return QStringLiteral("--db names a call log of the log folder, which is never replaced: %1").arg(shown);
    const QFileInfo info(target);
    if (info.isDir()) return QStringLiteral("--db names a folder, not a database file: %1").arg(shown);
    if (info.exists() && !isSqliteDatabase(target))
        return QStringLiteral("--db names a file that is not a SQLite database, which is never replaced: %1")
            .arg(shown);
    return std::nullopt;
}

}  // namespace varnel::cli
