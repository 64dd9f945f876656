// Downloads the text of a web page without blocking the event loop.
#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <chrono>
#include <functional>
#include <optional>

namespace varnel::shell {

// Pages are read up to this many bytes; the rest is not needed.
inline constexpr qint64 maxPageBytes = 4 * 1024 * 1024;

// Starts the download of address, asking as "HTTP Generic" through the
// configured proxy, and calls done once with the page text (each byte one
// character) or with nothing when the address could not be read, answered
// with an error status, or did not finish within timeout. done runs on
// context's thread and not at all once context is destroyed.
void GetUrlText(const QUrl& address, std::chrono::milliseconds timeout, QObject& context,
                std::function<void(const std::optional<QString>&)> done);

}  // namespace varnel::shell
