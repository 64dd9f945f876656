#include "cli/StderrObserver.h"

#include <cstdio>

namespace varnel::cli {

void StderrObserver::show(const platform::UserMessage& message) {
    // Lines of a message end in CR LF for message boxes; a terminal wants LF.
    QString text = message.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
}

}  // namespace varnel::cli
