#include "update/UpdateSite.h"

namespace varnel::shell {

QUrl homePageAddress(const UpdateSite& site) {
    QString base = site.host.trimmed();
    while (base.endsWith(QLatin1Char('/'))) base.chop(1);
    if (!base.contains(QStringLiteral("://"))) base.prepend(QStringLiteral("http://"));
    return QUrl(base + QString::fromLatin1(homePagePath));
}

}  // namespace varnel::shell
