// The options of varnel-report and their checks.
#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace varnel::cli {

struct CliOptions {
    QString logFolder;
    bool listDays = false;
    QList<QDate> days;  // empty: every day of the folder
    QString databasePath;
    QString dataFolder;
};

struct ParsedCommandLine {
    std::optional<CliOptions> options;  // nothing: stop with exitCode
    int exitCode = 0;
    QString output;  // text for standard output (help)
    QString error;   // text for standard error (usage errors)
};

// A --day value: MM/DD/YYYY or YYYY-MM-DD.
std::optional<QDate> parseDayOption(const QString& text);

ParsedCommandLine parseCommandLine(const QStringList& arguments);

}  // namespace varnel::cli
