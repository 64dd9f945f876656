#include "commandline/StderrObserver.h"

#include <QRegularExpression>
#include <cstdio>

#include "platform/FileNameBytes.h"

namespace varnel::cli {

void StderrObserver::show(const platform::UserMessage& message) {
    // One message a line, so scripts can read them line by line: the line
    // breaks a message box would show become blanks.
    const QString text = platform::shownText(message.text)
                             .split(QRegularExpression(QStringLiteral("\r?\n")), Qt::SkipEmptyParts)
                             .join(QLatin1Char(' '));
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
}

}  // namespace varnel::cli
