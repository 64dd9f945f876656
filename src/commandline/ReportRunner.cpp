#include "commandline/ReportRunner.h"

#include <QDir>
#include <algorithm>
#include <unordered_set>

#include "catalogue/DefaultFileNames.h"
#include "catalogue/ReportRecipe.h"
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

// Passes the report's messages on and keeps them for its page section.
class KeptMessages : public platform::MessageSink {
public:
    explicit KeptMessages(platform::MessageSink& next) : next_(next) {}
    void show(const platform::UserMessage& message) override {
        texts << message.text;
        next_.show(message);
    }
    QStringList texts;

private:
    platform::MessageSink& next_;
};

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
    Runner(const CliOptions& options, store::ReportDatabase& db, const ingest::IngestState& state,
           const reports::RangeRequest& range, platform::MessageSink& messages, const ChartPictureWriter& pictures,
           std::shared_ptr<const reports::MessageEvents> messageEvents,
           std::shared_ptr<const reports::NodeTallies> nodeTallies)
        : options_(options),
          db_(db),
          state_(state),
          range_(range),
          messages_(messages),
          pictures_(pictures),
          messageEvents_(std::move(messageEvents)),
          nodeTallies_(std::move(nodeTallies)),
          folder_(outputFolderOf(options)) {}

    bool run(ReportKind kind) {
        KeptMessages messages(messages_);
        reports::ReportInputs inputs;
        inputs.kind = kind;
        inputs.range = range_;
        inputs.reportDate = state_.reportDate;
        inputs.peakAvailableLines = state_.peakAvailableLines;
        inputs.minutes = &state_.minutes;
        inputs.debug = options_.debug;
        // Used once: a second latency run selects its rows, and the memory
        // goes back as soon as the report is written.
        if (uses(kind, catalogue::LoadGathering::MessageEvents))
            inputs.messageEvents = std::exchange(messageEvents_, nullptr);
        // Both node reports count from the same tallies.
        if (usesNodeTallies(kind)) inputs.nodeTallies = nodeTallies_;

        // The files are written while the latency table is stored.
        bool written = false;
        const reports::RowsUser writeFiles = [&](const reports::BuiltReport& built) {
            written = writeCsv(built) && writeChart(built, inputs);
        };
        reports::BuiltReport report;
        if (catalogue::reportEntry(kind).writesUnmatchedFile && options_.debug) {
            const QString path = folder_.filePath(QString::fromLatin1(catalogue::unmatchedMessagesFileName));
            auto built = catalogue::buildReportWithUnmatchedFile(db_, inputs, messages, path, writeFiles);
            // The report's own files are written all the same.
            if (built.unmatchedFileFailure) return failed(*built.unmatchedFileFailure);
            report = std::move(built.report);
        } else {
            report = catalogue::buildReport(db_, inputs, messages, nullptr, writeFiles);
        }
        if (!written) return false;
        if (!options_.htmlPath.isEmpty()) pageReports_.push_back({inputs, std::move(report), messages.texts});
        return true;
    }

    bool writePage(const ReportPageOutput& page, const ingest::LoadResult& load) {
        if (options_.htmlPath.isEmpty() || !page.views) return true;
        const catalogue::ReportPageLoad pageLoad{options_.logFolder, page.days, load.summary, state_.reportDate};
        const auto failure = catalogue::writeReportPage(options_.htmlPath, pageLoad, pageReports_, *page.views);
        return failure ? failed(*failure) : true;
    }

private:
    bool writeCsv(const reports::BuiltReport& report) {
        const auto failure = platform::writeWholeFile(
            folder_.filePath(catalogue::summaryCsvFileName(report.kind, state_.reportDate)),
            [&](QIODevice& out) { return catalogue::writeSummaryCsv(report, messages_, out); });
        return failure ? failed(*failure) : true;
    }

    bool writeChart(const reports::BuiltReport& report, const reports::ReportInputs& inputs) {
        if (!options_.chartFormat || !pictures_) return true;
        const QString extension = charts::defaultExtension(*options_.chartFormat).toLower();
        const QString path = folder_.filePath(catalogue::chartFileName(report.kind, state_.reportDate, extension));
        const auto failure = pictures_(report, inputs, path, *options_.chartFormat, options_.chartSize);
        return failure ? failed(*failure) : true;
    }

    bool failed(const platform::WriteFailure& failure) {
        messages_.show({shell::writeFailureText(failure)});
        return false;
    }

    const CliOptions& options_;
    store::ReportDatabase& db_;
    const ingest::IngestState& state_;
    const reports::RangeRequest& range_;
    platform::MessageSink& messages_;
    const ChartPictureWriter& pictures_;
    std::shared_ptr<const reports::MessageEvents> messageEvents_;
    std::shared_ptr<const reports::NodeTallies> nodeTallies_;
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

std::shared_ptr<reports::NodeTallies> nodeTallies(const CliOptions& options) {
    if (std::none_of(options.reports.begin(), options.reports.end(), usesNodeTallies)) return nullptr;
    return std::make_shared<reports::NodeTallies>(namedRange(options));
}

int runReports(const CliOptions& options, const QString& databasePath, const ingest::IngestState& state,
               const ingest::LoadResult& load, platform::MessageSink& messages, const ChartPictureWriter& pictures,
               const ReportPageOutput& page, std::shared_ptr<const reports::MessageEvents> messageEvents,
               std::shared_ptr<const reports::NodeTallies> nodeTallies) {
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
        Runner runner(options, db, state, range, messages, pictures, std::move(messageEvents), std::move(nodeTallies));
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
