#include "cli/ReportRunner.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <functional>

#include "cli/ExitCodes.h"
#include "reports/DefaultFileNames.h"
#include "reports/LatencyTable.h"
#include "reports/LaunchChecks.h"
#include "reports/NodeTrafficTable.h"
#include "reports/PortAvailabilityTable.h"
#include "reports/QueueActivityTable.h"
#include "store/ReportDatabase.h"
#include "summaries/HourlySummaries.h"
#include "summaries/NodeSummaries.h"
#include "summaries/SummaryCsv.h"

namespace varnel::cli {

namespace {

using reports::ReportKind;

// The entries of the load's node list whose number is among the given ones.
QStringList selectedEntries(const QStringList& entries, const QStringList& given) {
    const std::vector<double> wanted = reports::nodeValues(given);
    QStringList selected;
    for (const QString& entry : entries)
        if (std::find(wanted.begin(), wanted.end(), reports::nodeValue(entry)) != wanted.end()) selected << entry;
    return selected;
}

reports::RangeRequest rangeRequest(const CliOptions& options, const ingest::LoadResult& load) {
    reports::RangeRequest request;
    request.from = options.from;
    request.to = options.to;
    request.nodes.limitNodes = options.limitNodes;
    request.nodes.veyraEntries = load.veyraNodes;
    request.nodes.keldanEntries = load.keldanNodes;
    request.nodes.selectedVeyra = selectedEntries(load.veyraNodes, options.veyraNodes);
    request.nodes.selectedKeldan = selectedEntries(load.keldanNodes, options.keldanNodes);
    return request;
}

bool needsRange(ReportKind kind) {
    return kind == ReportKind::Latency || kind == ReportKind::NodeTraffic || kind == ReportKind::NodeErrors;
}

class Runner {
public:
    Runner(const CliOptions& options, store::ReportDatabase& db, const ingest::IngestState& state,
           const reports::RangeRequest& range, platform::MessageSink& messages)
        : options_(options),
          db_(db),
          state_(state),
          range_(range),
          messages_(messages),
          folder_(options.outputFolder.isEmpty() ? QDir::currentPath() : options.outputFolder) {}

    bool run(ReportKind kind) {
        switch (kind) {
            case ReportKind::PortAvailability:
                reports::ensurePortAvailability(db_, state_.minutes, state_.peakAvailableLines, messages_);
                return writeCsv(kind, [&](QIODevice& out) {
                    return summaries::writePortAvailabilityCsv(
                        summaries::portAvailabilitySummary(reports::readPortAvailability(db_)), out);
                });
            case ReportKind::QueueActivity:
                reports::ensureQueueActivity(db_, state_.minutes);
                return writeCsv(kind, [&](QIODevice& out) {
                    return summaries::writeQueueActivityCsv(
                        summaries::queueActivitySummary(reports::readQueueActivity(db_)), out);
                });
            case ReportKind::Latency:
                return runLatency();
            case ReportKind::NodeTraffic:
                reports::buildNodeTraffic(db_, range_, reports::NodeCount::DeliveredMessages, messages_);
                return writeCsv(kind, [&](QIODevice& out) {
                    return summaries::writeNodeTrafficCsv(
                        summaries::nodeTrafficSummary(reports::readNodeTraffic(db_), messages_), out);
                });
            case ReportKind::NodeErrors:
                reports::buildNodeTraffic(db_, range_, reports::NodeCount::NonDeliveries, messages_);
                return writeCsv(kind, [&](QIODevice& out) {
                    return summaries::writeNodeErrorCsv(
                        summaries::nodeErrorSummary(reports::readNodeTraffic(db_), messages_), out);
                });
        }
        return false;
    }

private:
    bool runLatency() {
        if (options_.debug) {
            QFile unmatched(folder_.filePath(QString::fromLatin1(reports::unmatchedMessagesFileName)));
            if (!unmatched.open(QIODevice::WriteOnly | QIODevice::Truncate)) return cannotWrite(unmatched.fileName());
            reports::buildMessageLatency(db_, range_, messages_, &unmatched);
            if (!unmatched.flush()) return cannotWrite(unmatched.fileName());
        } else {
            reports::buildMessageLatency(db_, range_, messages_);
        }
        return writeCsv(ReportKind::Latency, [&](QIODevice& out) {
            return summaries::writeLatencyCsv(reports::readOutboundLatency(db_), out);
        });
    }

    bool writeCsv(ReportKind kind, const std::function<bool(QIODevice&)>& write) {
        QSaveFile file(folder_.filePath(reports::summaryCsvFileName(kind, state_.reportDate)));
        if (!file.open(QIODevice::WriteOnly) || !write(file) || !file.commit()) return cannotWrite(file.fileName());
        return true;
    }

    bool cannotWrite(const QString& path) {
        messages_.show({QStringLiteral("Cannot write ") + QDir::toNativeSeparators(path)});
        return false;
    }

    const CliOptions& options_;
    store::ReportDatabase& db_;
    const ingest::IngestState& state_;
    const reports::RangeRequest& range_;
    platform::MessageSink& messages_;
    QDir folder_;
};

}  // namespace

int runReports(const CliOptions& options, const QString& databasePath, const ingest::IngestState& state,
               const ingest::LoadResult& load, platform::MessageSink& messages) {
    if (options.reports.isEmpty()) return exitDone;
    const reports::RangeRequest range = rangeRequest(options, load);
    if (std::any_of(options.reports.begin(), options.reports.end(), needsRange)) {
        if (const auto message = reports::checkRangeRequest(range)) {
            messages.show({*message});
            return exitBadArguments;
        }
    }
    if (!options.outputFolder.isEmpty() && !QDir().mkpath(options.outputFolder)) {
        messages.show({QStringLiteral("Cannot create the output folder ") + options.outputFolder});
        return exitFailure;
    }
    try {
        store::ReportDatabase db(databasePath);
        db.useFastRebuilds();
        Runner runner(options, db, state, range, messages);
        for (ReportKind kind : options.reports)
            if (!runner.run(kind)) return exitFailure;
    } catch (const std::exception& e) {
        messages.show({QStringLiteral("Report failed: ") + QString::fromUtf8(e.what())});
        return exitFailure;
    }
    return exitDone;
}

}  // namespace varnel::cli
