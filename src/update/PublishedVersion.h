// The version number published on the tool's home page: the run of digits
// and dots that follows the first "Helvetica" after ">version<".
#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <chrono>
#include <functional>

namespace varnel::shell {

// The published version in the page text; empty when either marker is
// missing or no digit follows them. Both markers ignore letter case; the
// version starts two characters after "Helvetica" (past its closing quote
// and bracket, as in font-family:Helvetica">2.1.40).
QString publishedVersionIn(const QString& page);

// Downloads the home page without blocking and calls done with its
// published version (empty when the page cannot be read within timeout or
// shows none). done runs on context's thread and not at all once context is
// destroyed.
void GetPublishedVersion(const QUrl& homePage, std::chrono::milliseconds timeout, QObject& context,
                         std::function<void(const QString&)> done);

}  // namespace varnel::shell
