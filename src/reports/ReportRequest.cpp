#include "reports/ReportRequest.h"

#include "ingest/LeadingNumber.h"

namespace varnel::reports {

namespace {

QStringList rowEntries(bool limitNodes, const QStringList& entries, const QStringList& selected) {
    if (!limitNodes) return entries;
    QStringList out;
    for (const QString& entry : entries)
        if (selected.contains(entry)) out << entry;
    return out;
}

}  // namespace

QStringList NodeChoice::veyraRowEntries() const { return rowEntries(limitNodes, veyraEntries, selectedVeyra); }

QStringList NodeChoice::keldanRowEntries() const { return rowEntries(limitNodes, keldanEntries, selectedKeldan); }

double nodeValue(const QString& entry) { return ingest::leadingNumber(entry.toStdString()); }

std::vector<double> nodeValues(const QStringList& entries) {
    std::vector<double> values;
    values.reserve(static_cast<std::size_t>(entries.size()));
    for (const QString& entry : entries) values.push_back(nodeValue(entry));
    return values;
}

}  // namespace varnel::reports
