#include "catalogue/ReportRun.h"

#include "catalogue/DefaultFileNames.h"

namespace varnel::catalogue {

reports::ReportInputs reportInputs(const LoadedSession& session, reports::ReportKind kind,
                                   const reports::RangeRequest& range) {
    const ReportEntry& entry = reportEntry(kind);
    reports::ReportInputs inputs;
    inputs.kind = kind;
    if (entry.takesRange()) inputs.range = range;
    if (session.ingest) {
        inputs.reportDate = session.ingest->reportDate;
        inputs.peakAvailableLines = session.ingest->peakAvailableLines;
        inputs.minutes = &session.ingest->minutes;
    }
    if (entry.gathering == LoadGathering::MessageEvents) {
        inputs.messageEvents = session.messageEvents;
        inputs.preparedLatency = session.preparedLatency;
    }
    if (entry.gathering == LoadGathering::NodeTallies) inputs.nodeTallies = session.nodeTallies;
    if (entry.gathering == LoadGathering::DailyFigures) inputs.dailyTrend = session.dailyTrend;
    inputs.latencyTable = session.latencyTable;
    inputs.connectionString = session.databasePath;
    inputs.debug = session.debug;
    return inputs;
}

ReportRun runReport(store::ReportDatabase& db, const reports::ReportInputs& inputs, const QDir& debugFolder,
                    const reports::RowsUser& whileStoring, reports::ReportProgress* progress) {
    if (!reportEntry(inputs.kind).writesUnmatchedFile || !inputs.debug)
        return {buildReport(db, inputs, nullptr, whileStoring, progress), std::nullopt};
    ReportRun run;
    bool done = false;
    run.unmatchedFileFailure = platform::writeWholeFile(
        debugFolder.filePath(QString::fromLatin1(unmatchedMessagesFileName)), [&](QIODevice& unmatched) {
            run.report = buildReport(db, inputs, &unmatched, whileStoring, progress);
            done = true;
            return true;
        });
    // The file could not even be made: the report goes without it.
    if (!done) run.report = buildReport(db, inputs, nullptr, whileStoring, progress);
    return run;
}

}  // namespace varnel::catalogue
