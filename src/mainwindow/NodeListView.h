// A node list of a report tab: the serial numbers of one side of the gateway,
// several of which can be selected. The entries live in a list model shown
// with uniform item sizes, so a damaged log naming a million nodes fills,
// scrolls and hands over its selection without a widget item per entry.
#pragma once

#include <QListView>
#include <QStringList>

namespace varnel::app {

class NodeListModel;

class NodeListView : public QListView {
    Q_OBJECT
public:
    explicit NodeListView(QWidget* parent = nullptr);

    // Replaces the entries (in the given order) and drops the selection.
    void setEntries(const QStringList& entries);
    void clear();

    const QStringList& entries() const;
    // The selected entries in list order.
    QStringList selectedEntries() const;

    // Room for a few rows at the least, so that choosing among many nodes
    // stays practical at the window's smallest.
    QSize minimumSizeHint() const override;

private:
    NodeListModel* model_;
};

}  // namespace varnel::app
