#include "commandline/DatabaseOption.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "commandline/RunOutputs.h"
#include "ingest/DayList.h"
#include "store/DataFiles.h"

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

bool namesATemplate(const QString& path) {
    const QString name = QString::fromLatin1(store::DataFiles::templateFileName);
    for (const QString& file : {path, ingest::resolvedPath(path)})
        if (QFileInfo(file).fileName().compare(name, Qt::CaseInsensitive) == 0) return true;
    return false;
}

std::optional<QString> databaseOptionProblem(const CliOptions& options) {
    const QString& databasePath = options.databasePath;
    const QString shown = QDir::toNativeSeparators(databasePath);
    const QString target = ingest::resolvedPath(databasePath);
    if (namesATemplate(databasePath))
        return QStringLiteral("--db names a database template, which is never replaced: %1").arg(shown);
    if (ingest::isLogOfFolder(databasePath, options.logFolder))
        return QStringLiteral("--db names a call log of the log folder, which is never replaced: %1").arg(shown);
    if (isRunOutput(options, databasePath))
        return QStringLiteral("--db names a file this run writes into its output folder: %1").arg(shown);
    const QFileInfo info(target);
    if (info.isDir()) return QStringLiteral("--db names a folder, not a database file: %1").arg(shown);
    if (info.exists() && !isSqliteDatabase(target))
        return QStringLiteral("--db names a file that is not a SQLite database, which is never replaced: %1")
            .arg(shown);
    return std::nullopt;
}

}  // namespace varnel::cli
