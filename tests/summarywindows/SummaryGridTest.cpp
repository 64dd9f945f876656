// gridSummary on its own: the grid operations of the summary windows, the
// bound latency rows, sorting that moves only the view, and Copy.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QTest>

#include "shell/LanguagePackFiles.h"
#include "shell/QmLanguagePack.h"
#include "summaries/HourlySummaries.h"
#include "summarywindows/SummaryGridView.h"

namespace varnel::summarywindows {

namespace {

using summaries::SummaryColumn;

QList<SummaryColumn> nodeColumns() {
    return {{QString(), QString(), 330},
            {QStringLiteral("NodeType"), QStringLiteral("Node Type"), 1005},
            {QStringLiteral("NodeID"), QStringLiteral("Node ID"), 975},
            {QStringLiteral("InboundMessages"), QStringLiteral("Inbound NDNs"), 1575}};
}

void addNode(SummaryTableModel& grid, const QString& type, const QString& id, const QString& inbound) {
    grid.addGridRow(id);
    const int row = grid.gridRowCount() - 1;
    grid.setCellText(row, *grid.columnIndex(QStringLiteral("NodeType")), type);
    grid.setCellText(row, *grid.columnIndex(QStringLiteral("NodeID")), id);
    grid.setCellText(row, *grid.columnIndex(QStringLiteral("InboundMessages")), inbound);
}

std::shared_ptr<const reports::LatencyRows> latencyRows(int count) {
    auto rows = std::make_shared<reports::LatencyRows>();
    for (int i = 0; i < count; ++i)
        rows->add({i + 1, QStringLiteral("{G%1}").arg(i), QTime(8, 0, 0).addSecs(i), (i * 37) % 101, 512, 3001});
    return rows;
}

}  // namespace

TEST(SummaryGridTest, RowCountCutsToTheHeaderRowAndRowsAreAddedAfterTheLast) {
    SummaryTableModel grid;
    grid.setColumns(nodeColumns());
    grid.setGridRowCount(50);
    EXPECT_EQ(grid.rowCount(), 49);
    EXPECT_EQ(grid.cellText(49, 1), QString());
    grid.setGridRowCount(1);
    EXPECT_EQ(grid.rowCount(), 0);
    EXPECT_EQ(grid.cellText(0, 1), QStringLiteral("Node Type"));

    addNode(grid, QStringLiteral("Veyra"), QStringLiteral(" 201"), QStringLiteral(" 4"));
    addNode(grid, QStringLiteral("Keldan"), QStringLiteral(" 77"), QStringLiteral(" 0"));
    EXPECT_EQ(grid.gridRowCount(), 3);
    EXPECT_EQ(grid.cellText(2, 0), QStringLiteral(" 77"));
    EXPECT_EQ(grid.cellText(2, 1), QStringLiteral("Keldan"));
    EXPECT_EQ(grid.columnIndex(QStringLiteral("InboundMessages")), 3);
    EXPECT_FALSE(grid.columnIndex(QStringLiteral("Missing")));
    EXPECT_FALSE(grid.columnIndex(QString()));  // the fixed column has no key to find it by
    EXPECT_TRUE(grid.hasFixedColumn());

    grid.setCellText(0, 3, QStringLiteral("Inbound"));
    EXPECT_EQ(grid.headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Inbound"));
    EXPECT_EQ(grid.cellText(5, 1), QString());  // outside the grid
}

TEST(SummaryGridTest, BoundLatencyRowsAreReadOnDemandAndSortedInTheViewOnly) {
    SummaryGridView view;
    SummaryTableModel& grid = view.grid();
    grid.bindLatencyRows(latencyRows(200000));
    view.applyColumns();
    EXPECT_EQ(grid.gridRowCount(), 200001);
    EXPECT_TRUE(view.isColumnHidden(*grid.columnIndex(QStringLiteral("Index"))));
    EXPECT_TRUE(view.isColumnHidden(*grid.columnIndex(QStringLiteral("OutboundMessage"))));
    EXPECT_FALSE(view.verticalHeader()->isVisible());
    EXPECT_EQ(grid.cellText(3, 1), QStringLiteral("{G2}"));
    EXPECT_EQ(grid.cellText(3, 3), QStringLiteral("74"));

    const int seconds = *grid.columnIndex(QStringLiteral("SecondsInQueue"));
    view.sortByColumn(seconds, Qt::AscendingOrder);
    EXPECT_EQ(grid.data(grid.index(0, seconds), Qt::DisplayRole).toString(), QStringLiteral("0"));
    EXPECT_EQ(grid.data(grid.index(199999, seconds), Qt::DisplayRole).toString(), QStringLiteral("100"));
    // Equal values keep the grid order; the grid rows themselves never move.
    EXPECT_EQ(grid.data(grid.index(1, 1), Qt::DisplayRole).toString(), QStringLiteral("{G101}"));
    EXPECT_EQ(grid.cellText(3, 1), QStringLiteral("{G2}"));

    grid.sort(-1, Qt::AscendingOrder);
    EXPECT_EQ(grid.data(grid.index(1, 1), Qt::DisplayRole).toString(), QStringLiteral("{G1}"));
}

TEST(SummaryGridTest, NumbersSortByValueNotByText) {
    SummaryGridView view;
    SummaryTableModel& grid = view.grid();
    grid.setColumns(nodeColumns());
    grid.setGridRowCount(1);
    addNode(grid, QStringLiteral("Veyra"), QStringLiteral(" 201"), QStringLiteral(" 12"));
    addNode(grid, QStringLiteral("Veyra"), QStringLiteral(" 77"), QStringLiteral(" 3"));
    addNode(grid, QStringLiteral("Keldan"), QStringLiteral(" 1001"), QStringLiteral(" .5"));
    view.sortByColumn(2, Qt::AscendingOrder);
    QStringList ids;
    for (int row = 0; row < grid.rowCount(); ++row)
        ids << grid.headerData(row, Qt::Vertical, Qt::DisplayRole).toString();
    EXPECT_EQ(ids, (QStringList{" 77", " 201", " 1001"}));
    view.sortByColumn(1, Qt::DescendingOrder);
    EXPECT_EQ(grid.data(grid.index(2, 1), Qt::DisplayRole).toString(), QStringLiteral("Keldan"));
}

TEST(SummaryGridTest, CopyPutsTheSelectedCellsUnderTheirHeadersAsTabSeparatedText) {
    SummaryGridView view;
    const summaries::SummaryGrid hours = summaries::portAvailabilitySummary({{0, 4, 18}, {70, 3, 19}});
    view.grid().setColumns(hours.columns);
    view.grid().setGridRowCount(1);
    for (const QStringList& cells : hours.rows) {
        view.grid().addGridRow(cells[0]);
        for (int column = 1; column < cells.size(); ++column)
            view.grid().setCellText(view.grid().gridRowCount() - 1, column, cells[column]);
    }
    view.applyColumns();
    view.show();

    QApplication::clipboard()->clear();
    view.selectionModel()->select(QItemSelection(view.model()->index(0, 0), view.model()->index(1, 2)),
                                  QItemSelectionModel::Select);
    view.setFocus();
    QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
              ("Hour\tMaximum Ports In Use\tMinimum Ports Available To Take Calls\n"
               "1\t4\t18\n2\t3\t19\n"));

    // Two separate cells: only their rows and columns, the other cell left empty.
    view.selectionModel()->clearSelection();
    view.selectionModel()->select(view.model()->index(0, 0), QItemSelectionModel::Select);
    view.selectionModel()->select(view.model()->index(2, 2), QItemSelectionModel::Select);
    auto* copy = view.findChild<QAction*>(QStringLiteral("actionCopy"));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->text(), QStringLiteral("Copy"));
    EXPECT_TRUE(view.actions().contains(copy));  // offered by the context menu
    copy->trigger();
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
              ("Hour\tMinimum Ports Available To Take Calls\n1\t\n\t1000\n"));
}

TEST(SummaryGridTest, CopyIsOfferedInTheLanguageInForce) {
    shell::setLanguagePack(shell::QmLanguagePack::load(varnel::test::germanPack).pack);
    SummaryGridView view;
    varnel::test::resetLanguage();
    EXPECT_EQ(view.findChild<QAction*>(QStringLiteral("actionCopy"))->text(), QStringLiteral("Kopieren"));
}

}  // namespace varnel::summarywindows
