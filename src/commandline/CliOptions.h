// The options of varnel-report and their checks.
#pragma once

#include <QDate>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTime>
#include <optional>

#include "reports/ImageFormat.h"
#include "reports/ReportKind.h"

namespace varnel::cli {

struct CliOptions {
    QString logFolder;
    bool listDays = false;
    QList<QDate> days;  // empty: every day of the folder
    QString databasePath;
    QString dataFolder;

    QList<reports::ReportKind> reports;  // in the order given, each once
    QTime from{0, 0, 0};
    QTime to{23, 59, 59};
    bool limitNodes = false;  // on when --veyra or --keldan is given
    QStringList veyraNodes;
    QStringList keldanNodes;
    QString outputFolder;  // empty: the current folder
    bool debug = false;
    std::optional<charts::ImageFormat> chartFormat;  // also write each report's chart
    QSize chartSize{1200, 700};
    QString language;  // the code of the language pack to use, as the pack's file names it; empty: English
    QString htmlPath;  // also write the report page there; without --report it holds all six
};

struct ParsedCommandLine {
    std::optional<CliOptions> options;  // nothing: stop with exitCode
    int exitCode = 0;
    QString output;  // text for standard output (help)
    QString error;   // text for standard error (usage errors)
};

// A --day value: MM/DD/YYYY or YYYY-MM-DD.
std::optional<QDate> parseDayOption(const QString& text);

// A --from or --to value: HH:MM:SS.
std::optional<QTime> parseTimeOption(const QString& text);

// A --chart-size value: WxH in pixels, each from 1 to 10000.
std::optional<QSize> parseChartSize(const QString& text);

// languagePacks: the codes of the language packs that exist; --language
// takes one of them, in any letter case.
ParsedCommandLine parseCommandLine(const QStringList& arguments, const QStringList& languagePacks = {});

}  // namespace varnel::cli
