#include "commandline/ReportRunner.h"

#include <QDir>
#include <algorithm>
#include <unordered_set>

#include "catalogue/DefaultFileNames.h"
#include "catalogue/ReportRun.h"
#include "commandline/ExitCodes.h"
#include "commandline/RunOutputs.h"
#include "platform/WholeFileWriter.h"
#include "reports/LaunchChecks.h"
#include "shell/WriteFailureText.h"
#include "store/ReportDatabase.h"

namespace varnel::cli {

namespace {

using reports::ReportKind;

// The entries of the load's node list whose number is among the given ones,
// each entry looked up in a hashed set of the given numbers.
QStringList selectedEntries(const QStringList& entries, const QStringList& given) {
    const std::vector<double> values = reports::nodeValues(given);
    const std::unordered_set<double> wanted(values.begin(), values.end());
    QStringList selected;
    for (const QString& entry : entries)
        if (wanted.contains(reports::nodeValue(entry))) selected << entry;
    return selected;
}

// The range and node choice as the command line names them, before the load
// has listed any node.
reports::RangeRequest namedRange(const CliOptions& options) {
    reports::RangeRequest request;
    request.from = options.from;
    request.to = options.to;
    request.nodes.limitNodes = options.limitNodes;
    request.nodes.selectedVeyra = options.veyraNodes;
    request.nodes.selectedKeldan = options.keldanNodes;
    return request;
}

bool takesRange(ReportKind kind) { return catalogue::reportEntry(kind).takesRange(); }

bool uses(ReportKind kind, catalogue::LoadGathering gathering) {
    return catalogue::reportEntry(kind).gathering == gathering;
}

bool usesNodeTallies(ReportKind kind) { return uses(kind, catalogue::LoadGathering::NodeTallies); }

}  // namespace

reports::RangeRequest rangeRequest(const CliOptions& options, const ingest::LoadResult& load) {
    reports::RangeRequest request = namedRange(options);
    request.nodes.veyraEntries = load.veyraNodes;
    request.nodes.keldanEntries = load.keldanNodes;
    request.nodes.selectedVeyra = selectedEntries(load.veyraNodes, options.veyraNodes);
    request.nodes.selectedKeldan = selectedEntries(load.keldanNodes, options.keldanNodes);
    return request;
}

namespace {

class Runner {
public:
    Runner(const CliOptions& options, store::ReportDatabase& db, catalogue::LoadedSession session,
           const reports::RangeRequest& range, platform::MessageSink& messages, const ChartPictureWriter& pictures)
        : options_(options),
          db_(db),
          session_(std::move(session)),
          range_(range),
          messages_(messages),
          pictures_(pictures),
          folder_(outputFolderOf(options)) {}

    bool run(ReportKind kind) {
        const reports::ReportInputs inputs = catalogue::reportInputs(session_, kind, range_);
        // Used once: a second latency run selects its rows, and the memory
        // goes back as soon as the report is written.
        if (inputs.messageEvents) session_.messageEvents = nullptr;

        // What the build said is printed, and the files are written, while
        // the latency table is stored.
        bool written = false;
        const reports::RowsUser writeFiles = [&](const reports::BuiltReport& built) {
            show(built.messages);
            written = writeCsv(built) && writeChart(built, inputs);
        };
        catalogue::ReportRun run = catalogue::runReport(db_, inputs, folder_, writeFiles);
        // The report's own files are written all the same.
        if (run.unmatchedFileFailure) return failed(*run.unmatchedFileFailure);
        if (!written) return false;
        if (!options_.htmlPath.isEmpty()) pageReports_.push_back({inputs, std::move(run.report)});
        return true;
    }

    bool writePage(const ReportPageOutput& page, const ingest::LoadResult& load) {
        if (options_.htmlPath.isEmpty() || !page.views) return true;
        const catalogue::ReportPageLoad pageLoad{options_.logFolder, page.days, load.summary, reportDate()};
        const auto failure = catalogue::writeReportPage(options_.htmlPath, pageLoad, pageReports_, *page.views);
        return failure ? failed(*failure) : true;
    }

private:
    const store::StoredTime& reportDate() const { return session_.ingest->reportDate; }

    bool writeCsv(const reports::BuiltReport& report) {
        const auto failure = platform::writeWholeFile(
            folder_.filePath(catalogue::summaryCsvFileName(report.kind, reportDate())), [&](QIODevice& out) {
                const catalogue::SummaryCsvWrite csv = catalogue::writeSummaryCsv(report, out);
                show(csv.messages);
                return csv.written;
            });
        return failure ? failed(*failure) : true;
    }

    void show(const platform::UserMessages& messages) {
        for (const platform::UserMessage& message : messages) messages_.show(message);
    }

    bool writeChart(const reports::BuiltReport& report, const reports::ReportInputs& inputs) {
        if (!options_.chartFormat || !pictures_) return true;
        const QString extension = charts::defaultExtension(*options_.chartFormat).toLower();
        const QString path = folder_.filePath(catalogue::chartFileName(report.kind, reportDate(), extension));
        const auto failure = pictures_(report, inputs, path, *options_.chartFormat, options_.chartSize);
        return failure ? failed(*failure) : true;
    }

    bool failed(const platform::WriteFailure& failure) {
        messages_.show({shell::writeFailureText(failure)});
        return false;
    }

    const CliOptions& options_;
    store::ReportDatabase& db_;
    catalogue::LoadedSession session_;
    const reports::RangeRequest& range_;
    platform::MessageSink& messages_;
    const ChartPictureWriter& pictures_;
    QDir folder_;
    std::vector<catalogue::ReportPageReport> pageReports_;
};

}  // namespace

std::unique_ptr<reports::MessageEventGatherer> messageEventGatherer(const CliOptions& options) {
    if (std::none_of(options.reports.begin(), options.reports.end(),
                     [](ReportKind kind) { return uses(kind, catalogue::LoadGathering::MessageEvents); }))
        return nullptr;
    return std::make_unique<reports::MessageEventGatherer>();
}

std::unique_ptr<trend::DailyTrendGatherer> dailyTrendGatherer(const CliOptions& options) {
    if (std::none_of(options.reports.begin(), options.reports.end(),
                     [](ReportKind kind) { return uses(kind, catalogue::LoadGathering::DailyFigures); }))
        return nullptr;
    return std::make_unique<trend::DailyTrendGatherer>();
}

std::shared_ptr<reports::NodeTallies> nodeTallies(const CliOptions& options) {
    if (std::none_of(options.reports.begin(), options.reports.end(), usesNodeTallies)) return nullptr;
    return std::make_shared<reports::NodeTallies>(namedRange(options));
}

int runReports(const CliOptions& options, const QString& databasePath, const ingest::IngestState& state,
               const ingest::LoadResult& load, platform::MessageSink& messages, const ChartPictureWriter& pictures,
               const ReportPageOutput& page, std::shared_ptr<const reports::MessageEvents> messageEvents,
               std::shared_ptr<const reports::NodeTallies> nodeTallies,
               std::shared_ptr<const trend::DailyTrend> dailyTrend) {
    if (options.reports.isEmpty()) return exitDone;
    const reports::RangeRequest range = rangeRequest(options, load);
    if (std::any_of(options.reports.begin(), options.reports.end(), takesRange)) {
        if (const auto message = reports::checkRangeRequest(range)) {
            messages.show({*message});
            return exitBadArguments;
        }
    }
    try {
        store::ReportDatabase db(databasePath);
        db.useFastRebuilds();
        Runner runner(options, db,
                      {databasePath,
                       &state,
                       std::move(messageEvents),
                       std::move(nodeTallies),
                       {},
                       {},
                       options.debug,
                       std::move(dailyTrend)},
                      range, messages, pictures);
        for (ReportKind kind : options.reports)
            if (!runner.run(kind)) return exitFailure;
        if (!runner.writePage(page, load)) return exitFailure;
    } catch (const std::exception& e) {
        messages.show({QStringLiteral("Report failed: ") + QString::fromUtf8(e.what())});
        return exitFailure;
    }
    return exitDone;
}

}  // namespace varnel::cli
