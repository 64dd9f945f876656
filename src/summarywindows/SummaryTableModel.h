// The one table model behind every summary grid. It offers what the summary
// windows ask of their grid: the columns by key, a header row 0 and data rows
// from 1 that are cut, added and written cell by cell, or the outbound latency
// rows shown as they are (read cell by cell when the view asks, so a day of
// hundreds of thousands of rows needs no text per cell). Sorting reorders the
// view's rows only; the grid rows keep their order.
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

#include "reports/LatencyRows.h"
#include "summaries/SummaryGrid.h"

namespace varnel::summarywindows {

class SummaryTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Replaces the columns (their header texts become row 0); data rows are
    // kept only when their width fits, else cut.
    void setColumns(QList<summaries::SummaryColumn> columns);
    const QList<summaries::SummaryColumn>& columns() const { return columns_; }
    std::optional<int> columnIndex(const QString& key) const;
    // A column without key at position 0 is the fixed column of row numbers.
    bool hasFixedColumn() const;

    // Rows counted with the header row. Setting 1 cuts the grid to its header
    // row; a larger count adds empty rows. A bound display is released.
    int gridRowCount() const;
    void setGridRowCount(int rows);
    // Appends a data row whose first cell holds the text (after releasing a
    // bound display).
    void addGridRow(const QString& firstCell);
    // Row 0 is the header row; texts are shown unchanged.
    QString cellText(int row, int column) const;
    void setCellText(int row, int column, const QString& text);

    // Shows the latency rows as they are, one grid row per row, with the
    // latency columns; the rows' cells cannot be written.
    void bindLatencyRows(std::shared_ptr<const reports::LatencyRows> rows);

    // The grid row (from 1) shown at a view row.
    int gridRowAt(int viewRow) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // A column below 0 returns to grid order.
    void sort(int column, Qt::SortOrder order) override;

private:
    int dataRowCount() const;
    QVariant cellValue(int row, int column) const;

    QList<summaries::SummaryColumn> columns_;
    QList<QStringList> textRows_;
    std::shared_ptr<const reports::LatencyRows> boundRows_;
    std::vector<int> viewOrder_;  // grid row index (from 0) per view row; empty: grid order
};

}  // namespace varnel::summarywindows
