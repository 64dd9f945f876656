#include "reports/LatencyReport.h"

#include <exception>
#include <thread>

#include "reports/LatencyTable.h"
#include "reports/LatencyTableStore.h"
#include "reports/PreparedLatency.h"
#include "reports/UnmatchedMessagesFile.h"
#include "shell/StringTable.h"

namespace varnel::reports {

namespace {

// The pairs made after the load when they answer the report's range, else
// the report's own.
std::shared_ptr<const LatencyPairs> latencyPairs(store::ReportDatabase& db, const ReportInputs& inputs) {
    if (inputs.preparedLatency)
        if (auto prepared = inputs.preparedLatency->take(inputs.range)) return prepared;
    return std::make_shared<const LatencyPairs>(pairLatencyEvents(db, inputs.range, inputs.messageEvents));
}

}  // namespace

// The pairs are in memory, so the table is stored as soon as they are made,
// and the outbound rows and the caller's files are made meanwhile; or, with
// a table store among the inputs, after the report has returned.
BuiltReport buildLatencyReport(store::ReportDatabase& db, const ReportInputs& inputs, QIODevice* unmatchedFile,
                               const RowsUser& whileStoring, ReportProgress* progress) {
    const std::shared_ptr<const LatencyPairs> paired = latencyPairs(db, inputs);
    const LatencyPairs& pairs = *paired;
    const auto rowsAndFiles = [&] {
        if (unmatchedFile) writeUnmatchedEvents(*unmatchedFile, pairs);
        BuiltReport report{inputs.kind, outboundLatencyRows(pairs)};
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
