#include "windowkit/UserDialogs.h"

#include <QRegularExpression>

namespace varnel::platform {

QString filterSuffix(const QString& filter) {
    // The first pattern within the parentheses, or the filter itself.
    static const QRegularExpression firstPattern(QStringLiteral(R"(^[^(]*\(?\s*\*\.([^\s*?;)]+)[\s;)])"));
    const QRegularExpressionMatch match = firstPattern.match(filter + QLatin1Char(' '));
    return match.hasMatch() ? match.captured(1) : QString();
}

}  // namespace varnel::platform
