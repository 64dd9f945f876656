#include "catalogue/ReportRecipe.h"

namespace varnel::catalogue {

reports::BuiltReport buildReport(store::ReportDatabase& db, const reports::ReportInputs& inputs,
                                 QIODevice* unmatchedFile, const reports::RowsUser& whileStoring,
                                 reports::ReportProgress* progress) {
    return reportEntry(inputs.kind).build(db, inputs, {unmatchedFile, whileStoring, progress});
}

reports::BuiltReport readReport(store::ReportDatabase& db, reports::ReportKind kind) {
    return {kind, reportEntry(kind).read(db), {}};
}

reports::ReportChart reportChart(const reports::BuiltReport& report, const reports::ReportInputs& inputs) {
    return reportEntry(report.kind).chart(report, inputs);
}

summaries::SummaryGrid summaryGrid(const reports::BuiltReport& report) {
    return reportEntry(report.kind).summaryGrid(report);
}

summaries::SummaryTable summaryTable(const reports::BuiltReport& report, qsizetype rowLimit) {
    return reportEntry(report.kind).summaryTable(report, rowLimit);
}

SummaryCsvWrite writeSummaryCsv(const reports::BuiltReport& report, QIODevice& out) {
    return reportEntry(report.kind).writeSummaryCsv(report, out);
}

}  // namespace varnel::catalogue
