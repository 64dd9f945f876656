#include "summarywindows/SummaryTableModel.h"

#include <QTime>
#include <algorithm>
#include <numeric>

#include "summaries/LatencySummary.h"

namespace varnel::summarywindows {

namespace {

// A cell as the sort compares it: numbers by value before texts.
struct SortKey {
    bool numeric = false;
    double number = 0;
    QString text;
};

std::optional<double> numberOf(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

SortKey sortKeyOf(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::QString: {
            const QString text = value.toString();
            if (const auto number = numberOf(text)) return {true, *number, {}};
            return {false, 0, text};
        }
        case QMetaType::QTime:
            return {true, static_cast<double>(value.toTime().msecsSinceStartOfDay()), {}};
        default:
            return {true, value.toDouble(), {}};
    }
}

bool lessThan(const SortKey& a, const SortKey& b) {
    if (a.numeric != b.numeric) return a.numeric;
    if (a.numeric) return a.number < b.number;
    return a.text.compare(b.text, Qt::CaseInsensitive) < 0;
}

// General alignment: numbers to the right, everything else to the left.
bool alignsRight(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::QString:
            return numberOf(value.toString()).has_value();
        case QMetaType::QTime:
            return false;
        default:
            return true;
    }
}

}  // namespace

void SummaryTableModel::setColumns(QList<summaries::SummaryColumn> columns) {
    beginResetModel();
    const auto width = columns.size();
    columns_ = std::move(columns);
    for (QStringList& row : textRows_) row.resize(width);
    viewOrder_.clear();
    endResetModel();
}

std::optional<int> SummaryTableModel::columnIndex(const QString& key) const {
    for (int i = 0; i < columns_.size(); ++i)
        if (!key.isEmpty() && columns_[i].key == key) return i;
    return std::nullopt;
}

bool SummaryTableModel::hasFixedColumn() const { return !columns_.isEmpty() && columns_.front().key.isEmpty(); }

int SummaryTableModel::dataRowCount() const {
    return boundRows_ ? static_cast<int>(boundRows_->size()) : static_cast<int>(textRows_.size());
}

int SummaryTableModel::gridRowCount() const { return dataRowCount() + 1; }

void SummaryTableModel::setGridRowCount(int rows) {
    beginResetModel();
    boundRows_.reset();
    textRows_.resize(std::max(rows - 1, 0), QStringList());
    for (QStringList& row : textRows_) row.resize(columns_.size());
    viewOrder_.clear();
    endResetModel();
}

void SummaryTableModel::addGridRow(const QString& firstCell) {
    if (columns_.isEmpty()) return;
    if (boundRows_) setGridRowCount(1);
    const int row = static_cast<int>(textRows_.size());
    beginInsertRows({}, row, row);
    QStringList cells(columns_.size());
    cells[0] = firstCell;
    textRows_ << cells;
    if (!viewOrder_.empty()) viewOrder_.push_back(row);
    endInsertRows();
}

QString SummaryTableModel::cellText(int row, int column) const {
    if (column < 0 || column >= columns_.size() || row < 0 || row >= gridRowCount()) return {};
    if (row == 0) return columns_[column].header;
    if (boundRows_) return summaries::latencyCellText((*boundRows_)[static_cast<std::size_t>(row - 1)], column);
    return textRows_[row - 1][column];
}

void SummaryTableModel::setCellText(int row, int column, const QString& text) {
    if (column < 0 || column >= columns_.size() || row < 0 || row >= gridRowCount()) return;
    if (row == 0) {
        columns_[column].header = text;
        emit headerDataChanged(Qt::Horizontal, column, column);
        return;
    }
    if (boundRows_) return;
    textRows_[row - 1][column] = text;
    const auto viewRow = std::find(viewOrder_.begin(), viewOrder_.end(), row - 1);
    const int shown = viewOrder_.empty() ? row - 1 : static_cast<int>(viewRow - viewOrder_.begin());
    emit dataChanged(index(shown, column), index(shown, column));
    if (column == 0 && hasFixedColumn()) emit headerDataChanged(Qt::Vertical, shown, shown);
}

void SummaryTableModel::bindLatencyRows(std::shared_ptr<const reports::LatencyRows> rows) {
    beginResetModel();
    columns_ = summaries::latencyColumns();
    textRows_.clear();
    boundRows_ = std::move(rows);
    viewOrder_.clear();
    endResetModel();
}

int SummaryTableModel::gridRowAt(int viewRow) const {
    if (viewRow < 0 || viewRow >= dataRowCount()) return -1;
    return (viewOrder_.empty() ? viewRow : viewOrder_[static_cast<std::size_t>(viewRow)]) + 1;
}

int SummaryTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : dataRowCount(); }

int SummaryTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant SummaryTableModel::cellValue(int row, int column) const {
    if (boundRows_) return summaries::latencyCellValue((*boundRows_)[static_cast<std::size_t>(row - 1)], column);
    return cellText(row, column);
}

QVariant SummaryTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int row = gridRowAt(index.row());
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return cellText(row, index.column());
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignVCenter |
                                       (alignsRight(cellValue(row, index.column())) ? Qt::AlignRight : Qt::AlignLeft));
        default:
            return {};
    }
}

QVariant SummaryTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
    if (orientation == Qt::Horizontal) return cellText(0, section);
    // The fixed column shows beside the rows as their header.
    return hasFixedColumn() ? cellText(gridRowAt(section), 0) : QVariant(section + 1);
}

void SummaryTableModel::sort(int column, Qt::SortOrder order) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<int> oldRows;
    for (const QModelIndex& index : before) oldRows.push_back(gridRowAt(index.row()) - 1);

    if (column < 0 || column >= columns_.size()) {
        viewOrder_.clear();
    } else {
        const int rows = dataRowCount();
        std::vector<SortKey> keys;
        keys.reserve(static_cast<std::size_t>(rows));
        for (int row = 1; row <= rows; ++row) keys.push_back(sortKeyOf(cellValue(row, column)));
        viewOrder_.resize(static_cast<std::size_t>(rows));
        std::iota(viewOrder_.begin(), viewOrder_.end(), 0);
        std::stable_sort(viewOrder_.begin(), viewOrder_.end(), [&](int a, int b) {
            return order == Qt::AscendingOrder ? lessThan(keys[a], keys[b]) : lessThan(keys[b], keys[a]);
        });
    }

    // Persistent indexes (selection, current cell) follow their rows.
    std::vector<int> shownAt(static_cast<std::size_t>(dataRowCount()));
    for (int viewRow = 0; viewRow < dataRowCount(); ++viewRow)
        shownAt[static_cast<std::size_t>(gridRowAt(viewRow) - 1)] = viewRow;
    QModelIndexList after;
    for (int i = 0; i < before.size(); ++i)
        after << index(shownAt[static_cast<std::size_t>(oldRows[static_cast<std::size_t>(i)])], before[i].column());
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

}  // namespace varnel::summarywindows
