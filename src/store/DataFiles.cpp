#include "store/DataFiles.h"

#include <SQLiteCpp/Database.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "store/Schema.h"

namespace varnel::store {

namespace {

void makeWritable(const QString& path) {
    QFile file(path);
    if (file.exists() && !(file.permissions() & QFileDevice::WriteOwner))
        file.setPermissions(file.permissions() | QFileDevice::WriteOwner);
}

// True when the file is a template made from this build's schema; an older
// or damaged one is made again.
bool isCurrentTemplate(const QString& path) {
    if (!QFileInfo::exists(path)) return false;
    try {
        SQLite::Database db(QFile::encodeName(path).toStdString(), SQLite::OPEN_READONLY);
        return storedSchemaVersion(db) == schemaVersion;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace

QString DataFiles::defaultFolder() { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation); }

DataFiles::DataFiles(QString folder)
    : folder_(std::move(folder)), workingPath_(QDir(folder_).filePath(workingFileName)) {}

DataFiles::DataFiles(QString folder, QString workingPath)
    : folder_(std::move(folder)), workingPath_(std::move(workingPath)) {}

QString DataFiles::workingPath() const { return workingPath_; }

QString DataFiles::templatePath() const { return QDir(folder_).filePath(templateFileName); }

void DataFiles::ensureTemplate() const {
    if (!QDir().mkpath(folder_))
        throw StoreError(QStringLiteral("Cannot create the data folder %1").arg(folder_).toStdString());
    const QString path = templatePath();
    if (isCurrentTemplate(path)) return;
    // Build beside the final name and rename, so a half-written template is never left.
    const QString partial = path + QStringLiteral(".partial");
    QFile::remove(partial);
    try {
        SQLite::Database db(QFile::encodeName(partial).toStdString(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        createSchema(db);
    } catch (const std::exception& e) {
        QFile::remove(partial);
        throw StoreError(QStringLiteral("Cannot write the database template %1: %2")
                             .arg(path, QString::fromUtf8(e.what()))
                             .toStdString());
    }
    makeWritable(path);
    QFile::remove(path);
    if (!QFile::rename(partial, path)) {
        QFile::remove(partial);
        throw StoreError(QStringLiteral("Cannot write the database template %1").arg(path).toStdString());
    }
}

void DataFiles::makeFreshWorkingCopy() const {
    const QString source = templatePath();
    const QString target = workingPath();
    makeWritable(source);
    makeWritable(target);
    if (!QFileInfo::exists(source))
        throw StoreError(QStringLiteral("The database template %1 is missing").arg(source).toStdString());
    QFile::remove(target);
    QFile::remove(target + QStringLiteral("-journal"));
    QFile copy(source);
    if (!copy.copy(target))
        throw StoreError(
            QStringLiteral("Cannot copy %1 to %2: %3").arg(source, target, copy.errorString()).toStdString());
    makeWritable(target);
}

}  // namespace varnel::store
