#include "update/VersionOrder.h"

#include <QStringList>
#include <algorithm>

namespace varnel::shell {

namespace {

// Two runs of digits as numbers: without leading zeros the longer is larger,
// and runs of one length compare digit by digit.
int compareNumbers(QStringView a, QStringView b) {
    const auto significant = [](QStringView digits) {
        qsizetype first = 0;
        while (first < digits.size() && digits[first] == QLatin1Char('0')) ++first;
        return digits.mid(first);
    };
    const QStringView x = significant(a);
    const QStringView y = significant(b);
    if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
    return x.compare(y);
}

}  // namespace

int compareVersionTexts(const QString& a, const QString& b) {
    const QStringList left = a.split(QLatin1Char('.'));
    const QStringList right = b.split(QLatin1Char('.'));
    const qsizetype parts = std::max(left.size(), right.size());
    for (qsizetype i = 0; i < parts; ++i) {
        const QStringView x = i < left.size() ? QStringView(left[i]) : QStringView();
        const QStringView y = i < right.size() ? QStringView(right[i]) : QStringView();
        if (const int order = compareNumbers(x, y); order != 0) return order < 0 ? -1 : 1;
    }
    return 0;
}

}  // namespace varnel::shell
