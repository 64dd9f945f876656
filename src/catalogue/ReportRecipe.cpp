#include "catalogue/ReportRecipe.h"

namespace varnel::catalogue {

reports::BuiltReport buildReport(store::ReportDatabase& db, const reports::ReportInputs& inputs,
                                 platform::MessageSink& messages, QIODevice* unmatchedFile,
                                 const reports::RowsUser& whileStoring, reports::ReportProgress* progress) {
    return reportEntry(inputs.kind).build(db, inputs, messages, {unmatchedFile, whileStoring, progress});
}

ReportWithUnmatchedFile buildReportWithUnmatchedFile(store::ReportDatabase& db, const reports::ReportInputs& inputs,
                                                     platform::MessageSink& messages, const QString& unmatchedPath,
                                                     const reports::RowsUser& whileStoring,
                                                     reports::ReportProgress* progress) {
    ReportWithUnmatchedFile built;
    bool done = false;
    built.unmatchedFileFailure = platform::writeWholeFile(unmatchedPath, [&](QIODevice& unmatched) {
        built.report = buildReport(db, inputs, messages, &unmatched, whileStoring, progress);
        done = true;
        return true;
    });
    // The file could not even be made: the report goes without it.
    if (!done) built.report = buildReport(db, inputs, messages, nullptr, whileStoring, progress);
    return built;
}

reports::BuiltReport readReport(store::ReportDatabase& db, reports::ReportKind kind) {
    return {kind, reportEntry(kind).read(db)};
}

reports::ReportChart reportChart(const reports::BuiltReport& report, const reports::ReportInputs& inputs) {
    return reportEntry(report.kind).chart(report, inputs);
}

summaries::SummaryGrid summaryGrid(const reports::BuiltReport& report, platform::MessageSink& messages) {
    return reportEntry(report.kind).summaryGrid(report, messages);
}

summaries::SummaryTable summaryTable(const reports::BuiltReport& report, platform::MessageSink& messages,
                                     qsizetype rowLimit) {
    return reportEntry(report.kind).summaryTable(report, messages, rowLimit);
}

bool writeSummaryCsv(const reports::BuiltReport& report, platform::MessageSink& messages, QIODevice& out) {
    return reportEntry(report.kind).writeSummaryCsv(report, messages, out);
}

}  // namespace varnel::catalogue
