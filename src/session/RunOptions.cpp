#include "session/RunOptions.h"

namespace varnel::app {

RunOptions parseRunOptions(const QStringList& arguments) {
    RunOptions options;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == QLatin1String("--logs") && hasValue) {
            options.logFolder = arguments[++i];
        } else if (argument == QLatin1String("--data-dir") && hasValue) {
            options.dataFolder = arguments[++i];
        } else if (argument.contains(QLatin1String("debug"), Qt::CaseInsensitive)) {
            options.debug = true;
        }
    }
    return options;
}

}  // namespace varnel::app
