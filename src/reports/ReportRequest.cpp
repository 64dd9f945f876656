#include "reports/ReportRequest.h"

#include <QSet>

#include "ingest/LeadingNumber.h"

namespace varnel::reports {

namespace {

// A log may name a million nodes with tens of thousands selected: each entry
// is looked up in a hashed set, not searched for in the selection.
QStringList rowEntries(bool limitNodes, const QStringList& entries, const QStringList& selected) {
    if (!limitNodes) return entries;
    const QSet<QString> chosen(selected.begin(), selected.end());
    QStringList out;
    out.reserve(chosen.size());
    for (const QString& entry : entries)
        if (chosen.contains(entry)) out << entry;
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
