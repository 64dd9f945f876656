#include "mainwindow/NodeListView.h"

#include <QAbstractListModel>
#include <QItemSelectionModel>
#include <algorithm>
#include <vector>

namespace varnel::app {

namespace {

constexpr int rowsShownAtLeast = 4;

}  // namespace

class NodeListModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void setEntries(const QStringList& entries) {
        beginResetModel();
        entries_ = entries;
        endResetModel();
    }
    const QStringList& entries() const { return entries_; }

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(entries_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= entries_.size()) return {};
        if (role == Qt::DisplayRole) return entries_[index.row()];
        return {};
    }

private:
    QStringList entries_;
};

NodeListView::NodeListView(QWidget* parent) : QListView(parent), model_(new NodeListModel(this)) {
    setModel(model_);
    setUniformItemSizes(true);
}

void NodeListView::setEntries(const QStringList& entries) { model_->setEntries(entries); }

QSize NodeListView::minimumSizeHint() const {
    const int row = model_->rowCount({}) > 0 ? sizeHintForRow(0) : fontMetrics().height() + 2;
    return {QListView::minimumSizeHint().width(), rowsShownAtLeast * row + 2 * frameWidth()};
}

void NodeListView::clear() { model_->setEntries({}); }

const QStringList& NodeListView::entries() const { return model_->entries(); }

// The selection is read as its ranges of rows: asking every row whether it
// is selected would search the ranges once per row.
QStringList NodeListView::selectedEntries() const {
    std::vector<int> rows;
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        if (!range.isValid()) continue;
        for (int row = range.top(); row <= range.bottom(); ++row) rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());

    const QStringList& all = entries();
    QStringList selected;
    selected.reserve(static_cast<qsizetype>(rows.size()));
    for (int row : rows) selected << all[row];
    return selected;
}

}  // namespace varnel::app
