// Which files of a folder are call logs, which days they give, and the text
// of a day entry ("05/12/2004 Wednesday").
#pragma once

#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>

namespace varnel::ingest {

// True for a name that marks a call log: "CallLog_" in any letter case first.
bool isLogFileName(const QString& fileName);

// True when path (or the file its links lead to) is a call log of the folder.
bool isLogOfFolder(const QString& path, const QString& logFolder);

// The path a file is reached by once links are followed, or its cleaned
// absolute path when it does not exist yet.
QString resolvedPath(const QString& path);

// The day of a log file name: "CallLog_" (any case) followed by YYYYMMDD.
std::optional<QDate> logFileDate(const QString& fileName);

// The days with logs in the folder, ascending, each once, later than
// 1 January 1990. A log is a regular file, a link to one, or a link that
// cannot be followed (the load says why it could not read it); a folder or
// FIFO with a log's name gives no day. A folder that cannot be read gives
// none. Names are taken by their bytes, in the text form of FileNameBytes.
QList<QDate> logDays(const QString& folder);

// Full paths of the folder's logs of one day, ascending by name: the same
// entries as the day list counts, in the same text form.
QStringList logFilesOfDay(const QString& folder, QDate day);

// Month, separator, day, separator, four-digit year, a blank and the
// weekday name, in the locale's language and date separator.
QString dayEntryText(QDate day, const QLocale& locale = QLocale::system());

// The date of a day entry's first ten characters; nothing when they are not
// a date.
std::optional<QDate> dayFromEntry(const QString& entry);

}  // namespace varnel::ingest
