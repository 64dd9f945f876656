#include "reports/ReportRequest.h"

#include <string_view>
#include <unordered_set>

#include "ingest/LeadingNumber.h"

namespace varnel::reports {

namespace {

std::u16string_view textOf(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

// A log may name a million nodes with tens of thousands selected: each entry
// is looked up in a hashed set of the selected texts (which keeps every
// text's hash, so an entry that is not selected is rarely compared).
QStringList rowEntries(bool limitNodes, const QStringList& entries, const QStringList& selected) {
    if (!limitNodes) return entries;
    std::unordered_set<std::u16string_view> chosen;
    chosen.reserve(static_cast<std::size_t>(selected.size()));
    for (const QString& entry : selected) chosen.insert(textOf(entry));
    QStringList out;
    out.reserve(selected.size());
    for (const QString& entry : entries)
        if (chosen.contains(textOf(entry))) out << entry;
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
