#include "cli/CliOptions.h"

#include "cli/ExitCodes.h"

#include <QCommandLineParser>

namespace varnel::cli {

namespace {

const QString usageHead = QStringLiteral(
    "Loads Varnel gateway call logs into a report database and writes the reports.");

}  // namespace

std::optional<QDate> parseDayOption(const QString& text) {
    for (const char* format : {"MM/dd/yyyy", "M/d/yyyy", "yyyy-MM-dd"}) {
        const QDate date = QDate::fromString(text, QString::fromLatin1(format));
        if (date.isValid()) return date;
    }
    return std::nullopt;
}

ParsedCommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(usageHead);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
    const QCommandLineOption logs(QStringLiteral("logs"), QStringLiteral("The log folder (required)."), QStringLiteral("DIR"));
    const QCommandLineOption listDays(QStringLiteral("list-days"), QStringLiteral("Print the day entries of the folder and stop."));
    const QCommandLineOption day(QStringLiteral("day"),
                                 QStringLiteral("A day to load, MM/DD/YYYY or YYYY-MM-DD; may be given several times. "
                                                "Default: every day of the folder."),
                                 QStringLiteral("DAY"));
    const QCommandLineOption db(QStringLiteral("db"),
                                QStringLiteral("Keep the working database at FILE (replaced if it exists). "
                                               "Default: a temporary file removed at exit."),
                                QStringLiteral("FILE"));
    const QCommandLineOption dataDir(QStringLiteral("data-dir"),
                                     QStringLiteral("Folder for the working files when --db is not given."),
                                     QStringLiteral("DIR"));
    parser.addOptions({help, logs, listDays, day, db, dataDir});

    ParsedCommandLine result;
    const auto usageError = [&](const QString& why) {
        result.exitCode = exitBadArguments;
        result.error = why + QStringLiteral("\n\n") + parser.helpText();
        return result;
    };
    if (!parser.parse(arguments)) return usageError(parser.errorText());
    if (parser.isSet(help)) {
        result.output = parser.helpText();
        return result;
    }
    if (!parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("Unexpected argument: ") + parser.positionalArguments().first());
    if (!parser.isSet(logs) || parser.value(logs).isEmpty()) return usageError(QStringLiteral("--logs DIR is required."));

    CliOptions options;
    options.logFolder = parser.value(logs);
    options.listDays = parser.isSet(listDays);
    for (const QString& text : parser.values(day)) {
        const auto date = parseDayOption(text);
        if (!date) return usageError(QStringLiteral("Not a day (MM/DD/YYYY or YYYY-MM-DD): ") + text);
        if (!options.days.contains(*date)) options.days << *date;
    }
    options.databasePath = parser.value(db);
    options.dataFolder = parser.value(dataDir);
    result.options = options;
    return result;
}

}  // namespace varnel::cli
