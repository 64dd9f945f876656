#include "reports/TimeText.h"

#include <QLocale>
#include <QRegularExpression>

namespace varnel::reports {

namespace {

QString longTimePattern() {
    QString pattern = QLocale::system().timeFormat(QLocale::LongFormat);
    // The time-zone letters "t" (outside quoted text) with the blanks before them.
    static const QRegularExpression zone(QStringLiteral("\\s*t+(?=(?:[^']*'[^']*')*[^']*$)"));
    pattern.remove(zone);
    return pattern.trimmed();
}

}  // namespace

QString longTimeText(QTime time) {
    return QLocale::system().toString(time, longTimePattern());
}

QString longDateText(QDate date) {
    return QLocale::system().toString(date, QLocale::LongFormat);
}

}  // namespace varnel::reports
