// Dates and times written in the system's long formats, as report headers,
// the latency CSV file and the unmatched-message file show them.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

namespace varnel::reports {

// The locale's long time pattern without its time-zone part
// ("HH:mm:ss" under LC_ALL=C).
QString longTimeText(QTime time);

// A time pattern without its time-zone part: the zone letters, brackets
// around them and what parts them from the time.
QString timePatternWithoutZone(QString pattern);

// longTimeText for many times in a row, as files of thousands of lines
// write them: the locale and pattern are looked up once, and the text of
// the last time is kept, since rows in time order repeat it.
class LongTimeTexts {
public:
    LongTimeTexts();
    const QString& text(QTime time);
    // The same text in the local 8-bit encoding, as files are written.
    const QByteArray& local8Bit(QTime time);

private:
    QLocale locale_;
    QString pattern_;
    QTime lastTime_;
    QString lastText_;
    QByteArray lastBytes_;
};

// The locale's long date pattern.
QString longDateText(QDate date);

}  // namespace varnel::reports
