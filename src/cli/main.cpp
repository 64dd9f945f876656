// varnel-report: the load and reports without windows.
#include <QApplication>
#include <QDir>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <memory>
#include <string_view>

#include "catalogue/ReportPage.h"
#include "commandline/CliOptions.h"
#include "commandline/DatabaseOption.h"
#include "commandline/ExitCodes.h"
#include "commandline/ReportRunner.h"
#include "commandline/RunOutputs.h"
#include "commandline/StderrObserver.h"
#include "ingest/DayList.h"
#include "ingest/LoadData.h"
#include "platform/DataFolder.h"
#include "platform/FileNameBytes.h"
#include "platform/PrivateFolder.h"
#include "platform/ProcessLock.h"
#include "platform/SignalCleanup.h"
#include "platform/WholeFileWriter.h"
#include "render/ChartPageViews.h"
#include "render/ReportPicture.h"
#include "settings/ProgramSettings.h"
#include "shell/Localize.h"
#include "shell/QmLanguagePack.h"
#include "store/RowWatchers.h"
#include "store/WorkingLock.h"

using namespace varnel;

namespace {

void print(FILE* stream, const QString& text) {
    std::fputs(platform::shownText(text).toLocal8Bit().constData(), stream);
}

// Writes to standard output and makes sure it arrived: a full disk or a
// closed pipe behind it is a failure of the run, said on standard error.
bool printOut(const QString& text) {
    const QByteArray bytes = platform::shownText(text).toLocal8Bit();
    errno = 0;
    if (std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout) ==
            static_cast<std::size_t>(bytes.size()) &&
        std::fflush(stdout) == 0)
        return true;
    const QString reason = platform::systemErrorText(errno != 0 ? errno : EIO);
    print(stderr, QStringLiteral("Unable to write standard output: %1\n").arg(reason));
    return false;
}

// The days to load: the chosen ones that have logs, else every day.
std::optional<QList<QDate>> daysToLoad(const cli::CliOptions& options, const QList<QDate>& available) {
    if (options.days.isEmpty()) return available;
    QList<QDate> days;
    for (const QDate& day : available)
        if (options.days.contains(day)) days << day;
    for (const QDate& day : options.days)
        if (!available.contains(day))
            print(
                stderr,
                QStringLiteral("No call log in %1 for the day %2\n").arg(options.logFolder, ingest::dayEntryText(day)));
    if (days.size() != options.days.size()) return std::nullopt;
    return days;
}

// The report page must not replace an input, the working database, any
// template or a file the run writes into its output folder.
std::optional<QString> htmlOptionProblem(const cli::CliOptions& options, const store::DataFiles& files) {
    if (const auto problem = catalogue::reportPageTargetProblem(options.htmlPath, options.logFolder,
                                                                {files.workingPath(), files.templatePath()}))
        return problem;
    if (cli::namesATemplate(options.htmlPath))
        return QStringLiteral("The report page would replace a database template: %1")
            .arg(QDir::toNativeSeparators(options.htmlPath));
    if (cli::isRunOutput(options, options.htmlPath))
        return QStringLiteral("The report page would replace a file this run writes into its output folder: %1")
            .arg(QDir::toNativeSeparators(options.htmlPath));
    return std::nullopt;
}

// A log not read in full fails the run once the reports of what was read are
// written; each such log is named. A status that already tells a failure
// or a usage error stands.
int statusWithLogsNotReadInFull(int status, const ingest::LoadResult& result) {
    for (const QString& path : result.logsNotReadInFull)
        print(stderr, QStringLiteral("The log file %1 was not read in full.\n").arg(QDir::toNativeSeparators(path)));
    if (result.logsNotReadInFull.isEmpty() || status == cli::exitFailure || status == cli::exitBadArguments)
        return status;
    return cli::exitFailure;
}

int reportLoaded(const cli::CliOptions& options, const store::DataFiles& files, const ingest::IngestState& state,
                 const ingest::LoadResult& result, cli::StderrObserver& observer, const QList<QDate>& days,
                 std::unique_ptr<reports::MessageEventGatherer> gatherer,
                 std::shared_ptr<const reports::NodeTallies> tallies) {
    switch (result.outcome) {
        case ingest::LoadOutcome::Loaded: {
            QString summary = result.summary;
            summary.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            if (!printOut(summary)) return cli::exitFailure;
            const reportpage::ChartPageViews pageViews;
            return cli::runReports(options, files.workingPath(), state, result, observer,
                                   &reportwindows::writeReportPicture, {&pageViews, days},
                                   gatherer ? gatherer->finish() : nullptr, std::move(tallies));
        }
        case ingest::LoadOutcome::NoCallTraffic:
        case ingest::LoadOutcome::NoMessageTraffic:
            return cli::exitNoUsableData;
        case ingest::LoadOutcome::DatabaseFailed:
        case ingest::LoadOutcome::Cancelled:
            return cli::exitFailure;
    }
    return cli::exitFailure;
}

int run(const cli::CliOptions& options) {
    const QList<QDate> available = ingest::logDays(options.logFolder);
    if (options.listDays) {
        QString entries;
        for (const QDate& day : available) entries += ingest::dayEntryText(day) + QLatin1Char('\n');
        if (!printOut(entries)) return cli::exitFailure;
        return available.isEmpty() ? cli::exitNoUsableData : cli::exitDone;
    }
    const QString dataFolder = options.dataFolder.isEmpty() ? store::DataFiles::defaultFolder() : options.dataFolder;
    if (!options.databasePath.isEmpty()) {
        if (const auto problem = cli::databaseOptionProblem(options)) {
            print(stderr, *problem + QLatin1Char('\n'));
            return cli::exitBadArguments;
        }
    }
    if (available.isEmpty()) {
        print(stderr, QStringLiteral("No call logs (CallLog_YYYYMMDD*) found in %1\n").arg(options.logFolder));
        return cli::exitNoUsableData;
    }
    const auto days = daysToLoad(options, available);
    if (!days) return cli::exitNoUsableData;

    // Folders of earlier runs killed outright go first.
    platform::removeAbandonedPrivateFolders();
    std::unique_ptr<platform::PrivateFolder> temporary;
    QString workingPath = options.databasePath;
    if (workingPath.isEmpty()) {
        if (!options.dataFolder.isEmpty()) {
            workingPath = QDir(dataFolder).filePath(store::DataFiles::workingFileName);
        } else {
            temporary = std::make_unique<platform::PrivateFolder>(platform::reportToolFolderPrefix);
            if (!temporary->isValid()) {
                print(stderr, QStringLiteral("Cannot create a temporary folder for the working database\n"));
                return cli::exitFailure;
            }
            workingPath = temporary->filePath(store::DataFiles::workingFileName);
        }
    }
    const store::DataFiles files(dataFolder, workingPath);
    if (!options.htmlPath.isEmpty()) {
        if (const auto problem = htmlOptionProblem(options, files)) {
            print(stderr, *problem + QLatin1Char('\n'));
            return cli::exitBadArguments;
        }
    }
    // Both held until the run ends: no other run replaces the working file
    // while this one loads it or reports from it, and no other run writes
    // into the same output folder, which would leave a mix of both runs.
    store::WorkingDatabaseLock lock(files.workingPath());
    if (lock.acquire() == store::WorkingDatabaseLock::State::InUse) {
        print(stderr, lock.inUseText() + QLatin1Char('\n'));
        return cli::exitFailure;
    }
    std::optional<platform::ProcessLock> outputLock;
    if (!options.reports.isEmpty()) {
        const QString outputFolder = cli::outputFolderOf(options);
        if (!QDir().mkpath(outputFolder)) {
            print(stderr, QStringLiteral("Cannot create the output folder %1\n").arg(outputFolder));
            return cli::exitFailure;
        }
        outputLock.emplace(cli::outputLockPathOf(options));
        if (outputLock->acquire() == platform::ProcessLock::State::InUse) {
            print(stderr,
                  outputLock->inUseText(QStringLiteral("The output folder ") + QDir::toNativeSeparators(outputFolder)) +
                      QLatin1Char('\n'));
            return cli::exitFailure;
        }
    }

    ingest::IngestState state;
    state.reportDate = store::StoredTime::fromQDateTime(QDateTime::currentDateTime());
    cli::StderrObserver observer;
    auto gatherer = cli::messageEventGatherer(options);
    const auto tallies = cli::nodeTallies(options);
    store::RowWatchers watchers;
    watchers.add(gatherer.get());
    watchers.add(tallies.get());
    const ingest::LoadRequest request{options.logFolder, *days, ingest::dayEntryText(available.first()), &watchers};
    const ingest::LoadResult result = ingest::loadDays(request, files, state, observer);
    const int status = reportLoaded(options, files, state, result, observer, *days, std::move(gatherer), tallies);
    return statusWithLogsNotReadInFull(status, result);
}

// Charts (and the report page's charts) are drawn by widgets, which need the
// full application object; a run without charts starts faster without it.
// Nothing is ever shown, so no display is needed.
bool drawsCharts(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::string_view(argv[i]).starts_with("--chart") || std::string_view(argv[i]).starts_with("--html"))
            return true;
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    // Before any thread starts: an interrupted run removes its working files.
    platform::installSignalCleanup();
    std::unique_ptr<QCoreApplication> app;
    if (drawsCharts(argc, argv)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    settings::nameProgramSettings();

    const QString dataFolder = platform::programDataFolder();
    const cli::ParsedCommandLine parsed =
        cli::parseCommandLine(platform::commandLineArguments(argc, argv), shell::findLanguagePacks(dataFolder));
    // A closed pipe on standard output is reported like any failed write
    // instead of ending the run silently.
    std::signal(SIGPIPE, SIG_IGN);
    if (!printOut(parsed.output)) return cli::exitFailure;
    print(stderr, parsed.error);
    if (!parsed.options) return parsed.exitCode;
    if (!parsed.options->language.isEmpty()) {
        const QString path = shell::findLanguagePackFile(dataFolder, parsed.options->language);
        shell::LoadedLanguagePack loaded = shell::QmLanguagePack::load(path);
        if (!loaded.pack) {
            QString text = shell::languagePackProblemText(path, loaded.problem);
            text[0] = text[0].toUpper();
            print(stderr, text + QLatin1Char('\n'));
            return cli::exitFailure;
        }
        shell::setLanguagePack(std::move(loaded.pack));
    }
    return run(*parsed.options);
}
