// The Run Report buttons: the node-list check boxes, the checks before a
// report opens and what the report windows receive.
#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <QTimeEdit>

#include "mainwindow/MainWindowFixture.h"
#include "mainwindow/RecordingLauncher.h"
#include "reports/PreparedLatency.h"
#include "shell/StringTable.h"

namespace varnel::app::test {
namespace {

using reports::ReportKind;

struct FilterTab {
    const char* button;
    ReportKind kind;
    const char* start;
    const char* end;
    const char* check;
    const char* keldan;
    const char* veyra;
};

const FilterTab filterTabs[] = {
    {"cmdMessageLatency", ReportKind::Latency, "timeLatencyStart", "timeLatencyEnd", "chkMessageLatencyLimitNodes",
     "listMessageLatencyKeldanNodes", "listMessageLatencyVeyraNodes"},
    {"cmdNodeTraffic", ReportKind::NodeTraffic, "NodeTrafficStartTime", "NodeTrafficEndTime",
     "chkNodeTrafficLimitNodes", "listNodeTrafficKeldanNodes", "listNodeTrafficVeyraNodes"},
    {"cmdNodeError", ReportKind::NodeErrors, "NodeErrorsStartTime", "NodeErrorsEndTime", "chkNodeErrorLimitNodes",
     "listNodeErrorKeldanNodes", "listNodeErrorVeyraNodes"},
};

class MainWindowReports : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        writeLog("CallLog_20040512.log", dayLines("5/12/2004", "1001", "2001") + dayLines("5/12/2004", "1002", "2002") +
                                             dayLines("5/12/2004", "1003", "2001"));
        RunOptions options;
        options.logFolder = logs_.path();
        options.debug = true;
        open(options, &launcher_);
        selectDays({0});
        loadData();
        dialogs_.messages.clear();
    }
    void click(const char* button) { QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton); }

    RecordingLauncher launcher_;
};

TEST_F(MainWindowReports, CheckBoxesEnableTheirOwnTabsNodeLists) {
    for (const FilterTab& tab : filterTabs) {
        auto* check = control<QCheckBox>(tab.check);
        check->setChecked(true);
        for (const FilterTab& other : filterTabs) {
            const bool own = &other == &tab;
            EXPECT_EQ(control<QListView>(other.keldan)->isEnabled(), own) << tab.check << " " << other.keldan;
            EXPECT_EQ(control<QListView>(other.veyra)->isEnabled(), own) << tab.check << " " << other.veyra;
        }
        check->setChecked(false);
        EXPECT_FALSE(control<QListView>(tab.keldan)->isEnabled());
        EXPECT_FALSE(control<QListView>(tab.veyra)->isEnabled());
    }
}

TEST_F(MainWindowReports, EqualStartAndEndStopTheReport) {
    for (const FilterTab& tab : filterTabs) {
        dialogs_.messages.clear();
        control<QTimeEdit>(tab.start)->setTime(QTime(10, 0, 0));
        control<QTimeEdit>(tab.end)->setTime(QTime(10, 0, 0));
        click(tab.button);
        EXPECT_EQ(dialogs_.texts(), QStringList{shell::myLoadResString(118)}) << tab.button;
    }
    EXPECT_TRUE(launcher_.opened.empty());
}

TEST_F(MainWindowReports, LimitedNodesNeedASelectionOnBothSidesOfTheirOwnTab) {
    for (const FilterTab& tab : filterTabs) {
        dialogs_.messages.clear();
        control<QCheckBox>(tab.check)->setChecked(true);
        auto* keldan = control<QListView>(tab.keldan);
        selectRow(*keldan, 0);
        selectRow(*keldan, 1);
        click(tab.button);
        EXPECT_EQ(dialogs_.texts(), QStringList{shell::myLoadResString(129)}) << tab.button;
        control<QCheckBox>(tab.check)->setChecked(false);
    }
    EXPECT_TRUE(launcher_.opened.empty());

    // A selection on another tab does not count for the non-delivery tab.
    control<QCheckBox>("chkMessageLatencyLimitNodes")->setChecked(true);
    selectRow(*control<QListView>("listMessageLatencyVeyraNodes"), 0);
    control<QCheckBox>("chkNodeErrorLimitNodes")->setChecked(true);
    dialogs_.messages.clear();
    click("cmdNodeError");
    EXPECT_EQ(dialogs_.texts(), QStringList{shell::myLoadResString(129)});
}

TEST_F(MainWindowReports, ReportsReceiveTheirTabsChoicesInListOrder) {
    control<QCheckBox>("chkNodeTrafficLimitNodes")->setChecked(true);
    auto* veyra = control<QListView>("listNodeTrafficVeyraNodes");
    ASSERT_EQ(entries(*veyra), (QStringList{"1001", "1002", "1003"}));
    selectRow(*veyra, 2);
    selectRow(*veyra, 0);
    selectRow(*control<QListView>("listNodeTrafficKeldanNodes"), 1);
    control<QTimeEdit>("NodeTrafficStartTime")->setTime(QTime(8, 0, 0));
    control<QTimeEdit>("NodeTrafficEndTime")->setTime(QTime(17, 0, 0));
    click("cmdNodeTraffic");

    EXPECT_TRUE(dialogs_.messages.empty());
    ASSERT_EQ(launcher_.opened.size(), 1u);
    const reports::ReportInputs& inputs = launcher_.opened[0];
    EXPECT_EQ(inputs.kind, ReportKind::NodeTraffic);
    EXPECT_EQ(inputs.range.from, QTime(8, 0, 0));
    EXPECT_EQ(inputs.range.to, QTime(17, 0, 0));
    EXPECT_TRUE(inputs.range.nodes.limitNodes);
    EXPECT_EQ(inputs.range.nodes.selectedVeyra, (QStringList{"1001", "1003"}));
    EXPECT_EQ(inputs.range.nodes.selectedKeldan, QStringList{"2002"});
    EXPECT_EQ(inputs.connectionString, session_->files.workingPath());
    EXPECT_EQ(inputs.peakAvailableLines, 10);
    EXPECT_EQ(inputs.reportDate.day, 12) << "the time of the last line read";
    EXPECT_TRUE(inputs.debug);
    EXPECT_EQ(launcher_.owners[0], window_.get());
}

TEST_F(MainWindowReports, UnlimitedReportsOpenWithoutSelections) {
    click("cmdPortUsage");
    click("cmdMessageQueueActivity");
    for (const FilterTab& tab : filterTabs) click(tab.button);
    EXPECT_TRUE(dialogs_.messages.empty());
    ASSERT_EQ(launcher_.opened.size(), 5u);
    EXPECT_EQ(launcher_.opened[0].kind, ReportKind::PortAvailability);
    EXPECT_EQ(launcher_.opened[1].kind, ReportKind::QueueActivity);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(launcher_.opened[i + 2].kind, filterTabs[i].kind);
        EXPECT_FALSE(launcher_.opened[i + 2].range.nodes.limitNodes);
        EXPECT_TRUE(launcher_.opened[i + 2].range.nodes.selectedVeyra.isEmpty());
    }
}

TEST_F(MainWindowReports, ReportsReceiveWhatTheLoadGatheredAndANewLoadGathersAfresh) {
    click("cmdMessageLatency");
    loadData();
    click("cmdMessageLatency");
    click("cmdNodeTraffic");
    ASSERT_EQ(launcher_.opened.size(), 3u);
    const auto& first = launcher_.opened[0].messageEvents;
    const auto& second = launcher_.opened[1].messageEvents;
    ASSERT_TRUE(first && second);
    EXPECT_NE(first, second);
    for (const auto& events : {first, second}) {
        ASSERT_EQ(events->size(), 6u) << "every message row of the load, once";
        EXPECT_EQ(events->guid(0).text(), "G1-5/12/2004");
        EXPECT_EQ(events->secondsOfDay(1), 8 * 3600 + 60);
        EXPECT_EQ(events->veyraSerial(5), 1003);
    }
    // Each load's whole-day latency pairs come with its own events.
    const auto& firstPairs = launcher_.opened[0].preparedLatency;
    const auto& secondPairs = launcher_.opened[1].preparedLatency;
    ASSERT_TRUE(firstPairs && secondPairs);
    EXPECT_NE(firstPairs, secondPairs);
    const auto pairs = secondPairs->take(launcher_.opened[1].range);
    ASSERT_TRUE(pairs);
    EXPECT_EQ(pairs->events, second);
    EXPECT_EQ(pairs->pairing.pairs.size(), 3u) << "six events of one identifier";
    // The whole day's node tallies answer a node report over the whole day,
    // and no other range.
    const reports::ReportInputs& nodes = launcher_.opened[2];
    ASSERT_TRUE(nodes.nodeTallies);
    EXPECT_TRUE(nodes.nodeTallies->answers(nodes.range));
    reports::RangeRequest morning = nodes.range;
    morning.to = QTime(12, 0, 0);
    EXPECT_FALSE(nodes.nodeTallies->answers(morning));
}

}  // namespace
}  // namespace varnel::app::test
