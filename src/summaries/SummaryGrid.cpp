#include "summaries/SummaryGrid.h"

namespace varnel::summaries {

std::optional<int> SummaryGrid::columnIndex(const QString& key) const {
    for (int i = 0; i < columns.size(); ++i)
        if (columns[i].key == key) return i;
    return std::nullopt;
}

QString SummaryGrid::cell(int row, const QString& key) const {
    const auto column = columnIndex(key);
    if (!column || row < 0 || row >= rows.size() || *column >= rows[row].size()) return {};
    return rows[row][*column];
}

}  // namespace varnel::summaries
