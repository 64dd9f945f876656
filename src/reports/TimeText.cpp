#include "reports/TimeText.h"

#include <QRegularExpression>

namespace varnel::reports {

namespace {

QString longTimePattern() { return timePatternWithoutZone(QLocale::system().timeFormat(QLocale::LongFormat)); }

}  // namespace

QString timePatternWithoutZone(QString pattern) {
    // The time-zone letters "t" outside quoted text, with the brackets some
    // locales put around them ("H:mm:ss (t)", "Bh:mm:ss [t]") and the blanks
    // and comma that part them from the time ("h:mm:ss AP, t").
    static const QRegularExpression zone(
        QStringLiteral("[\\s,]*(?:\\(\\s*t+\\s*\\)|\\[\\s*t+\\s*\\]|t+)(?=(?:[^']*'[^']*')*[^']*$)"));
    pattern.remove(zone);
    return pattern.trimmed();
}

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
