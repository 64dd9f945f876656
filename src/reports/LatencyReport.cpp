#include "reports/LatencyReport.h"

#include <atomic>
#include <exception>
#include <future>
#include <optional>
#include <system_error>
#include <thread>

#include "reports/LatencyTable.h"
#include "reports/LatencyTableStore.h"
#include "reports/PreparedLatency.h"
#include "reports/UnmatchedMessagesFile.h"
#include "shell/StringTable.h"

namespace varnel::reports {

namespace {

// The build's progress, when the table is left to a store: the pairing's
// percent done, then the outbound rows' percent done, worth half as much.
// Otherwise the storing tells its own.
constexpr int64_t pairingSteps = 100;
constexpr int64_t rowSteps = 50;
constexpr int64_t latencyBuildSteps = pairingSteps + rowSteps;

// The pairs made after the load when they answer the report's range, else
// the report's own, made on another thread while steps (when given) hear
// how far the pairing is.
std::shared_ptr<const LatencyPairs> latencyPairs(store::ReportDatabase& db, const ReportInputs& inputs,
                                                 StageSteps* steps) {
    if (inputs.preparedLatency)
        if (auto prepared = inputs.preparedLatency->take(inputs.range, steps)) return prepared;
    const auto pair = [&db, &inputs](std::atomic<int>* percentDone) {
        return std::make_shared<const LatencyPairs>(
            pairLatencyEvents(db, inputs.range, inputs.messageEvents, percentDone));
    };
    if (!steps) return pair(nullptr);
    std::atomic<int> percentDone{0};
    std::future<std::shared_ptr<const LatencyPairs>> pairing;
    try {
        pairing = std::async(std::launch::async, pair, &percentDone);
    } catch (const std::system_error&) {
        return pair(nullptr);  // no thread to spare: paired here, untold
    }
    return waitForPairs(pairing, percentDone, steps);
}

}  // namespace

// The pairs are in memory, so the table is stored as soon as they are made,
// and the outbound rows and the caller's files are made meanwhile; or, with
// a table store among the inputs, after the report has returned.
BuiltReport buildLatencyReport(store::ReportDatabase& db, const ReportInputs& inputs, QIODevice* unmatchedFile,
                               const RowsUser& whileStoring, ReportProgress* progress) {
    std::optional<StageSteps> steps;
    if (inputs.latencyTable && progress)
        steps.emplace(progress, ReportProgress::Stage::BuildingTable, latencyBuildSteps, 1);
    const std::shared_ptr<const LatencyPairs> paired = latencyPairs(db, inputs, steps ? &*steps : nullptr);
    const LatencyPairs& pairs = *paired;
    if (steps) steps->done(pairingSteps);
    const auto rowsAndFiles = [&] {
        if (unmatchedFile) writeUnmatchedEvents(*unmatchedFile, pairs);
        const auto tellRows = [&steps](int percent) { steps->done(pairingSteps + rowSteps * percent / 100); };
        BuiltReport report{inputs.kind, steps ? outboundLatencyRows(pairs, tellRows) : outboundLatencyRows(pairs)};
        if (steps) steps->finish();
        if (report.rows.size() == 0) report.messages.push_back(shell::tableMessage(68));
        if (whileStoring) whileStoring(report);
        return report;
    };
    if (inputs.latencyTable) {
        BuiltReport report = rowsAndFiles();
        inputs.latencyTable->store(inputs.connectionString, paired);
        return report;
    }
    if (!whileStoring) {
        BuiltReport report = rowsAndFiles();
        storeMessageLatency(db, pairs, progress);
        return report;
    }
    std::exception_ptr storeFailure;
    std::thread storing([&] {
        try {
            storeMessageLatency(db, pairs, progress);
        } catch (...) {
            storeFailure = std::current_exception();
        }
    });
    BuiltReport report;
    try {
        report = rowsAndFiles();
    } catch (...) {
        storing.join();
        throw;
    }
    storing.join();
    if (storeFailure) std::rethrow_exception(storeFailure);
    return report;
}

}  // namespace varnel::reports
