// Dates and times written in the system's long formats, as report headers,
// the latency CSV file and the unmatched-message file show them.
#pragma once

#include <QDate>
#include <QString>
#include <QTime>

namespace varnel::reports {

// The locale's long time pattern without its time-zone part
// ("HH:mm:ss" under LC_ALL=C).
QString longTimeText(QTime time);

// The locale's long date pattern.
QString longDateText(QDate date);

}  // namespace varnel::reports
