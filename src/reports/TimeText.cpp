#include "reports/TimeText.h"

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

QString longTimeText(QTime time) { return LongTimeTexts().text(time); }

LongTimeTexts::LongTimeTexts() : locale_(QLocale::system()), pattern_(longTimePattern()) {}

const QString& LongTimeTexts::text(QTime time) {
    if (time != lastTime_ || lastText_.isNull()) {
        lastTime_ = time;
        lastText_ = locale_.toString(time, pattern_);
        lastBytes_ = lastText_.toLocal8Bit();
    }
    return lastText_;
}

const QByteArray& LongTimeTexts::local8Bit(QTime time) {
    text(time);
    return lastBytes_;
}

QString longDateText(QDate date) { return QLocale::system().toString(date, QLocale::LongFormat); }

}  // namespace varnel::reports
