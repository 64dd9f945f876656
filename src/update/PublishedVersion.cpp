#include "update/PublishedVersion.h"

#include "update/UrlText.h"

namespace varnel::shell {

namespace {

// Characters between the end of "Helvetica" and the version.
constexpr qsizetype markerGap = 2;

bool versionCharacter(QChar c) { return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.'); }

}  // namespace

QString publishedVersionIn(const QString& page) {
    const QLatin1String versionMarker(">version<");
    const QLatin1String fontMarker("Helvetica");
    const qsizetype section = page.indexOf(versionMarker, 0, Qt::CaseInsensitive);
    if (section < 0) return {};
    const qsizetype font = page.indexOf(fontMarker, section, Qt::CaseInsensitive);
    if (font < 0) return {};

    qsizetype end = font + fontMarker.size() + markerGap;
    const qsizetype start = end;
    bool digit = false;
    for (; end < page.size() && versionCharacter(page[end]); ++end) digit = digit || page[end] != QLatin1Char('.');
    return digit ? page.mid(start, end - start) : QString();
}

void GetPublishedVersion(const QUrl& homePage, std::chrono::milliseconds timeout, QObject& context,
                         std::function<void(const QString&)> done) {
    GetUrlText(homePage, timeout, context, [done = std::move(done)](const std::optional<QString>& page) {
        done(page ? publishedVersionIn(*page) : QString());
    });
}

}  // namespace varnel::shell
