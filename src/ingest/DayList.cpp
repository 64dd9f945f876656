#include "ingest/DayList.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "platform/FolderEntries.h"

namespace varnel::ingest {

namespace {

const QString logPrefix = QStringLiteral("CallLog_");

bool digitsAt(const QString& text, qsizetype from, qsizetype count, int& value) {
    if (text.size() < from + count) return false;
    value = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        const QChar c = text.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
        value = value * 10 + c.digitValue();
    }
    return true;
}

// Whether an entry counts as a log: a regular file, a link to one, or a
// link that cannot be followed, which the load then names as a log it could
// not read. A folder, FIFO or device with a log's name is none.
bool countsAsLog(const QString& path) { return platform::entryKind(path) != platform::EntryKind::Other; }

// The logs of a folder, by their names' bytes, ascending by name ignoring
// case, so that every spelling of the prefix sorts by date.
QStringList logFileNames(const QString& folder) {
    const auto entries = platform::folderEntryNames(folder);
    if (!entries) return {};
    const QDir dir(folder);
    QStringList names;
    for (const QString& name : *entries)
        if (isLogFileName(name) && countsAsLog(dir.filePath(name))) names << name;
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    return names;
}

QChar dateSeparator(const QLocale& locale) {
    for (const QChar c : locale.dateFormat(QLocale::ShortFormat))
        if (c == QLatin1Char('/') || c == QLatin1Char('.') || c == QLatin1Char('-')) return c;
    return QLatin1Char('/');
}

}  // namespace

bool isLogFileName(const QString& fileName) { return fileName.startsWith(logPrefix, Qt::CaseInsensitive); }

QString resolvedPath(const QString& path) {
    if (const auto canonical = platform::canonicalPath(path)) return *canonical;
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

bool isLogOfFolder(const QString& path, const QString& logFolder) {
    const QString folder = resolvedPath(logFolder);
    for (const QFileInfo& file : {QFileInfo(path), QFileInfo(resolvedPath(path))})
        if (isLogFileName(file.fileName()) && resolvedPath(file.absolutePath()) == folder) return true;
    return false;
}

std::optional<QDate> logFileDate(const QString& fileName) {
    if (!isLogFileName(fileName)) return std::nullopt;
    int year, month, day;
    if (!digitsAt(fileName, 8, 4, year) || !digitsAt(fileName, 12, 2, month) || !digitsAt(fileName, 14, 2, day))
        return std::nullopt;
    const QDate date(year, month, day);
    if (!date.isValid()) return std::nullopt;
    return date;
}

QList<QDate> logDays(const QString& folder) {
    QList<QDate> days;
    QDate last(1990, 1, 1);
    for (const QString& name : logFileNames(folder)) {
        const auto date = logFileDate(name);
        if (date && *date > last) {
            days << *date;
            last = *date;
        }
    }
    return days;
}

QStringList logFilesOfDay(const QString& folder, QDate day) {
    QStringList paths;
    const QDir dir(folder);
    for (const QString& name : logFileNames(folder))
        if (logFileDate(name) == day) paths << dir.filePath(name);
    return paths;
}

QString dayEntryText(QDate day, const QLocale& locale) {
    const QChar sep = dateSeparator(locale);
    return QStringLiteral("%1%2%3%2%4 %5")
        .arg(day.month(), 2, 10, QLatin1Char('0'))
        .arg(sep)
        .arg(day.day(), 2, 10, QLatin1Char('0'))
        .arg(day.year(), 4, 10, QLatin1Char('0'))
        .arg(locale.dayName(day.dayOfWeek(), QLocale::LongFormat));
}

std::optional<QDate> dayFromEntry(const QString& entry) {
    int month, day, year;
    if (!digitsAt(entry, 0, 2, month) || !digitsAt(entry, 3, 2, day) || !digitsAt(entry, 6, 4, year))
        return std::nullopt;
    const QDate date(year, month, day);
    if (!date.isValid()) return std::nullopt;
    return date;
}

}  // namespace varnel::ingest
