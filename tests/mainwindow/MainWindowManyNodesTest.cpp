// The node lists of the main window over a log naming 50,000 nodes on each
// side: they fill, take selections by keyboard, mouse and in bulk, and hand
// 30,000 selected entries to the report in list order. CTest bounds the time.
#include <QCheckBox>
#include <QItemSelection>
#include <QListView>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "ManyNodesLog.h"
#include "mainwindow/MainWindowFixture.h"
#include "mainwindow/RecordingLauncher.h"
#include "reports/NodeTrafficTable.h"

namespace varnel::app::test {
namespace {

using varnel::test::manyKeldanSerial;
using varnel::test::manySerials;
using varnel::test::manyVeyraSerial;

constexpr int nodes = 50000;

class ManySelectedNodesWindow : public MainWindowFixture {
protected:
    RecordingLauncher launcher_;
};

TEST_F(ManySelectedNodesWindow, FiftyThousandListedAndThirtyThousandSelectedReachTheReportInListOrder) {
    writeLog("CallLog_20040512.log", varnel::test::manyNodesLogLines(nodes));
    RunOptions options;
    options.logFolder = logs_.path();
    open(options, &launcher_);
    selectDays({0});
    loadData();
    for (const char* name : {"listMessageLatencyVeyraNodes", "listNodeTrafficVeyraNodes", "listNodeErrorVeyraNodes"})
        EXPECT_EQ(entries(*control<QListView>(name)), manySerials(manyVeyraSerial, 0, nodes)) << name;
    for (const char* name : {"listMessageLatencyKeldanNodes", "listNodeTrafficKeldanNodes", "listNodeErrorKeldanNodes"})
        EXPECT_EQ(entries(*control<QListView>(name)), manySerials(manyKeldanSerial, 0, nodes)) << name;

    control<QTabWidget>("SSTab1")->setCurrentIndex(3);
    control<QCheckBox>("chkNodeTrafficLimitNodes")->setChecked(true);

    // Veyra: three of every five rows, 10,000 separate runs as Ctrl-clicks
    // and Shift-clicks leave them.
    auto* veyra = control<QListView>("listNodeTrafficVeyraNodes");
    QItemSelection picked;
    QStringList expectedVeyra;
    for (int row = 0; row < nodes; row += 5) {
        picked.select(veyra->model()->index(row, 0), veyra->model()->index(row + 2, 0));
        expectedVeyra << manySerials(manyVeyraSerial, row, row + 3);
    }
    veyra->selectionModel()->select(picked, QItemSelectionModel::Select);

    // Keldan: all of them with the keyboard, then a click takes the first out.
    auto* keldan = control<QListView>("listNodeTrafficKeldanNodes");
    keldan->setFocus();
    QTest::keyClick(keldan, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(keldan->selectionModel()->selectedRows().size(), nodes);
    QTest::mouseClick(keldan->viewport(), Qt::LeftButton, {},
                      keldan->visualRect(keldan->model()->index(0, 0)).center());

    QTest::mouseClick(control<QPushButton>("cmdNodeTraffic"), Qt::LeftButton);
    ASSERT_EQ(launcher_.opened.size(), 1u);
    const reports::ReportInputs& inputs = launcher_.opened[0];
    EXPECT_EQ(inputs.range.nodes.selectedVeyra, expectedVeyra);
    EXPECT_EQ(inputs.range.nodes.selectedKeldan, manySerials(manyKeldanSerial, 1, nodes));

    // Every message between two selected nodes counts: all of the selected
    // Veyra rows but the first, whose Keldan node was clicked away.
    store::ReportDatabase db(inputs.connectionString);
    EXPECT_EQ(reports::buildNodeTraffic(db, inputs.range, reports::NodeCount::DeliveredMessages).counted, 30000 - 1);
}

}  // namespace
}  // namespace varnel::app::test
