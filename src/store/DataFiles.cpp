#include "store/DataFiles.h"

#include <SQLiteCpp/Database.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <optional>

#include "platform/WholeFileWriter.h"
#include "shell/WriteFailureText.h"
#include "store/Schema.h"
#include "store/SqliteFailure.h"

namespace varnel::store {

namespace {

void makeWritable(const QString& path) {
    QFile file(path);
    if (file.exists() && !(file.permissions() & QFileDevice::WriteOwner))
        file.setPermissions(file.permissions() | QFileDevice::WriteOwner);
}

// True when the file is an empty template made from this build's schema; an
// older, damaged or altered one (rows written into it, a table missing) is
// made again, since every working copy would inherit the fault.
bool isCurrentTemplate(const QString& path) {
    if (!QFileInfo(path).isFile()) return false;
    try {
        SQLite::Database db(QFile::encodeName(path).toStdString(), SQLite::OPEN_READONLY);
        return isEmptyReportDatabase(db);
    } catch (const std::exception&) {
        return false;
    }
}

// Copies the bytes of source into the existing file target; the reason of a
// failure, or nothing.
std::optional<QString> copyFile(const QString& source, const QString& target) {
    QFile from(source);
    QFile to(target);
    if (!from.open(QIODevice::ReadOnly)) return from.errorString();
    if (!to.open(QIODevice::WriteOnly | QIODevice::Truncate)) return to.errorString();
    QByteArray block(1 << 16, Qt::Uninitialized);
    for (;;) {
        const qint64 got = from.read(block.data(), block.size());
        if (got < 0) return from.errorString();
        if (got == 0) break;
        if (to.write(block.constData(), got) != got) return to.errorString();
    }
    if (!to.flush()) return to.errorString();
    return std::nullopt;
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
    // A template of an earlier build may carry a read-only mark, which the
    // new one would take over.
    makeWritable(path);
    const auto failure = platform::writeWholeFileByName(path, [](const QString& partial) -> std::optional<QString> {
        std::optional<SQLite::Database> db;
        try {
            db.emplace(QFile::encodeName(partial).toStdString(), SQLite::OPEN_READWRITE);
            createSchema(*db);
        } catch (const std::exception& e) {
            return sqliteFailureReason(e, db ? db->getHandle() : nullptr);
        }
        return std::nullopt;
    });
    if (failure) throw StoreError(shell::writeFailureText(*failure).toStdString());
}

void DataFiles::makeFreshWorkingCopy() const {
    const QString source = templatePath();
    const QString target = workingPath();
    makeWritable(source);
    makeWritable(target);
    if (!QFileInfo::exists(source))
        throw StoreError(QStringLiteral("The database template %1 is missing").arg(source).toStdString());
    const auto failure =
        platform::writeWholeFileByName(target, [&source](const QString& partial) { return copyFile(source, partial); });
    if (failure) {
        // No older load may be read as this one's: without a fresh copy there
        // is no working file at all.
        QFile::remove(target);
        throw StoreError(shell::writeFailureText(*failure).toStdString());
    }
    QFile::remove(target + QStringLiteral("-journal"));
    makeWritable(target);
}

}  // namespace varnel::store
