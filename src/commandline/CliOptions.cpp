#include "commandline/CliOptions.h"

#include <QCommandLineParser>
#include <cmath>

#include "catalogue/ReportCatalogue.h"
#include "commandline/ExitCodes.h"
#include "reports/LaunchChecks.h"
#include "shell/StringTable.h"

namespace varnel::cli {

namespace {

const QString usageHead =
    QStringLiteral("Loads Varnel gateway call logs into a report database and writes the reports.");

// "port-availability, queue-activity, ... or all": every report's name.
QString reportNames() {
    QStringList names;
    for (const catalogue::ReportEntry& entry : catalogue::reportCatalogue())
        names << QString::fromLatin1(entry.commandLineName);
    return names.join(QStringLiteral(", ")) + QStringLiteral(" or all");
}

}  // namespace

std::optional<QDate> parseDayOption(const QString& text) {
    for (const char* format : {"MM/dd/yyyy", "M/d/yyyy", "yyyy-MM-dd"}) {
        const QDate date = QDate::fromString(text, QString::fromLatin1(format));
        if (date.isValid()) return date;
    }
    return std::nullopt;
}

std::optional<QTime> parseTimeOption(const QString& text) {
    const QTime time = QTime::fromString(text, QStringLiteral("HH:mm:ss"));
    if (!time.isValid()) return std::nullopt;
    return time;
}

std::optional<QSize> parseChartSize(const QString& text) {
    const QStringList parts = text.split(QLatin1Char('x'));
    if (parts.size() != 2) return std::nullopt;
    bool wideOk = false;
    bool highOk = false;
    const int width = parts[0].toInt(&wideOk);
    const int height = parts[1].toInt(&highOk);
    constexpr int largest = 10000;
    if (!wideOk || !highOk || width < 1 || height < 1 || width > largest || height > largest) return std::nullopt;
    return QSize(width, height);
}

namespace {

// The entries of a comma-separated node list, blanks around them removed;
// the first entry that is not a serial number, when there is one.
QStringList nodeListOption(const QStringList& values, std::optional<QString>& notANumber) {
    QStringList nodes;
    for (const QString& value : values) {
        for (const QString& entry : value.split(QLatin1Char(','))) {
            const QString node = entry.trimmed();
            if (node.isEmpty()) continue;
            bool ok = false;
            const double number = node.toDouble(&ok);
            if ((!ok || !std::isfinite(number)) && !notANumber) notANumber = node;
            nodes << node;
        }
    }
    return nodes;
}

// The pack that a --language value names, spelled as the pack is.
std::optional<QString> languagePackOption(const QString& code, const QStringList& languagePacks) {
    for (const QString& pack : languagePacks)
        if (pack.compare(code, Qt::CaseInsensitive) == 0) return pack;
    return std::nullopt;
}

QString unknownLanguageText(const QString& code, const QStringList& languagePacks) {
    QStringList known = languagePacks;
    known.removeAll(QString());
    known.removeDuplicates();
    const QString packs = known.isEmpty() ? QStringLiteral("no language pack is installed")
                                          : QStringLiteral("language packs: ") + known.join(QStringLiteral(", "));
    return QStringLiteral("Unknown language: %1 (%2)").arg(code, packs);
}

}  // namespace

ParsedCommandLine parseCommandLine(const QStringList& arguments, const QStringList& languagePacks) {
    QCommandLineParser parser;
    parser.setApplicationDescription(usageHead);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
    const QCommandLineOption logs(QStringLiteral("logs"), QStringLiteral("The log folder (required)."),
                                  QStringLiteral("DIR"));
    const QCommandLineOption listDays(QStringLiteral("list-days"),
                                      QStringLiteral("Print the day entries of the folder and stop."));
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
    const QCommandLineOption report(
        QStringLiteral("report"),
        QStringLiteral("A report to write: ") + reportNames() + QStringLiteral("; may be given several times."),
        QStringLiteral("NAME"));
    const QCommandLineOption from(QStringLiteral("from"),
                                  QStringLiteral("Start of the time range of the latency and node reports "
                                                 "(default 00:00:00)."),
                                  QStringLiteral("HH:MM:SS"));
    const QCommandLineOption to(QStringLiteral("to"),
                                QStringLiteral("End of the time range of the latency and node reports "
                                               "(default 23:59:59)."),
                                QStringLiteral("HH:MM:SS"));
    const QCommandLineOption veyra(QStringLiteral("veyra"),
                                   QStringLiteral("Comma-separated Veyra serial numbers; limits the latency and node "
                                                  "reports to the named nodes (then --keldan is needed too)."),
                                   QStringLiteral("LIST"));
    const QCommandLineOption keldan(QStringLiteral("keldan"),
                                    QStringLiteral("Comma-separated Keldan serial numbers; limits the latency and node "
                                                   "reports to the named nodes (then --veyra is needed too)."),
                                    QStringLiteral("LIST"));
    const QCommandLineOption outDir(QStringLiteral("out-dir"),
                                    QStringLiteral("Folder for the report files (default: the current folder)."),
                                    QStringLiteral("DIR"));
    const QCommandLineOption debug(QStringLiteral("debug"),
                                   QStringLiteral("Also write the latency report's file of unmatched messages "
                                                  "(UnmatchedGUID.TXT) into the output folder."));
    const QCommandLineOption chart(QStringLiteral("chart"),
                                   QStringLiteral("Also write each report's chart as a picture: bmp, png or pdf."),
                                   QStringLiteral("FORMAT"));
    const QCommandLineOption chartSize(QStringLiteral("chart-size"),
                                       QStringLiteral("Size of the written charts in pixels (default 1200x700)."),
                                       QStringLiteral("WxH"));
    const QCommandLineOption html(QStringLiteral("html"),
                                  QStringLiteral("Also write one HTML page with every chosen report's chart and "
                                                 "summary table to FILE; without --report, all five reports."),
                                  QStringLiteral("FILE"));
    const QCommandLineOption language(QStringLiteral("language"),
                                      QStringLiteral("Write the texts in the language of that language pack "
                                                     "(for example DEU)."),
                                      QStringLiteral("CODE"));
    parser.addOptions({help, logs, listDays, day, db, dataDir, report, from, to, veyra, keldan, outDir, chart,
                       chartSize, html, debug, language});

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
    if (!parser.isSet(logs) || parser.value(logs).isEmpty())
        return usageError(QStringLiteral("--logs DIR is required."));

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

    for (const QString& name : parser.values(report)) {
        QList<reports::ReportKind> named;
        if (name == QLatin1String("all")) {
            named = catalogue::allReportKinds();
        } else if (const auto kind = catalogue::reportKindFromCommandLineName(name)) {
            named << *kind;
        } else {
            return usageError(QStringLiteral("Unknown report: ") + name);
        }
        for (reports::ReportKind kind : named)
            if (!options.reports.contains(kind)) options.reports << kind;
    }
    for (const auto& [option, time] : {std::pair{&from, &options.from}, std::pair{&to, &options.to}}) {
        if (!parser.isSet(*option)) continue;
        const auto value = parseTimeOption(parser.value(*option));
        if (!value) return usageError(QStringLiteral("Not a time (HH:MM:SS): ") + parser.value(*option));
        *time = *value;
    }
    if (const auto message = reports::checkTimeRange(options.from, options.to)) return usageError(*message);
    options.limitNodes = parser.isSet(veyra) || parser.isSet(keldan);
    std::optional<QString> notANumber;
    options.veyraNodes = nodeListOption(parser.values(veyra), notANumber);
    options.keldanNodes = nodeListOption(parser.values(keldan), notANumber);
    if (notANumber) return usageError(QStringLiteral("Not a serial number: ") + *notANumber);
    if (options.limitNodes && (options.veyraNodes.isEmpty() || options.keldanNodes.isEmpty()))
        return usageError(shell::myLoadResString(129));
    options.outputFolder = parser.value(outDir);
    options.debug = parser.isSet(debug);
    if (parser.isSet(chart)) {
        options.chartFormat = charts::imageFormatFromName(parser.value(chart));
        if (!options.chartFormat)
            return usageError(QStringLiteral("Unknown chart format (bmp, png or pdf): ") + parser.value(chart));
    }
    if (parser.isSet(chartSize)) {
        const auto size = parseChartSize(parser.value(chartSize));
        if (!size) return usageError(QStringLiteral("Not a chart size (WxH): ") + parser.value(chartSize));
        options.chartSize = *size;
    }
    if (parser.isSet(html)) {
        options.htmlPath = parser.value(html);
        if (options.htmlPath.isEmpty()) return usageError(QStringLiteral("--html needs a file name."));
        if (options.reports.isEmpty()) options.reports = catalogue::allReportKinds();
    }
    if (parser.isSet(language)) {
        const auto pack = languagePackOption(parser.value(language), languagePacks);
        if (!pack) return usageError(unknownLanguageText(parser.value(language), languagePacks));
        options.language = *pack;
    }
    result.options = options;
    return result;
}

}  // namespace varnel::cli
