// The report windows over fixture days: what each shows when it opens, what
// its options, zoom and scroll bar do, and the messages of empty reports.
#include <SQLiteCpp/Database.h>

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollBar>

#include "charts/ChartControl.h"
#include "reportwindows/ReportWindowFixture.h"
#include "shell/StringTable.h"

namespace varnel::reportwindows::test {
namespace {

using reports::ReportKind;

std::vector<bool> shownSeries(const charts::ChartControl& chart) {
    std::vector<bool> shown;
    for (int k = 1; k <= chart.seriesCount(); ++k) shown.push_back(chart.isSeriesVisible(k));
    return shown;
}

// The object names of the menus and their items, in order, with their texts.
QStringList menuLayout(const QWidget& window) {
    QStringList layout;
    const auto* bar = window.findChild<QMenuBar*>();
    for (QAction* menuAction : bar->actions()) {
        layout << menuAction->menu()->objectName() + QLatin1Char('=') + menuAction->text();
        for (QAction* item : menuAction->menu()->actions())
            layout << QStringLiteral("  ") + item->objectName() +
                          (item->isSeparator() ? QString() : QLatin1Char('=') + item->text());
    }
    return layout;
}

using ReportWindowTest = ReportWindowFixture;

TEST_F(ReportWindowTest, EachWindowOpensWithItsCaptionHeaderAndInitialSeries) {
    loadFixture("nodes");
    const struct {
        ReportKind kind;
        const char* name;
        const char* caption;
        int headerId;
        std::vector<bool> shown;
    } cases[] = {
        {ReportKind::PortAvailability, "frmPortAvailability", "Port Availability Report", 88, {true, false}},
        {ReportKind::QueueActivity,
         "frmMessageQueueActivity",
         "Message Queue Activity",
         56,
         {false, true, false, false}},
        {ReportKind::Latency, "frmMessageLatency", "Message Latency", 57, {true}},
        {ReportKind::NodeTraffic, "frmNodeTraffic", "Node Traffic", 73, {false, false, false, true}},
        {ReportKind::NodeErrors, "frmNodeError", "Non-delivery Notifications", 147, {true, true, false, false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto window = open(c.kind);
        EXPECT_EQ(window->objectName(), QLatin1String(c.name));
        EXPECT_EQ(window->windowTitle(), QLatin1String(c.caption));
        EXPECT_TRUE(window->chart().headerText().startsWith(shell::myLoadResString(c.headerId) +
                                                            QStringLiteral("Wednesday, 12 May 2004")))
            << window->chart().headerText().toStdString();
        EXPECT_EQ(shownSeries(window->chart()), c.shown);
        EXPECT_EQ(window->chart().objectName(), QStringLiteral("Chart2D1"));
    }
}

TEST_F(ReportWindowTest, MenusCarryTheirNamesAndCaptionsInEachWindowsOrder) {
    loadFixture("per-minute");
    EXPECT_EQ(
        menuLayout(*open(ReportKind::PortAvailability)),
        (QStringList{"mnuFile=&File", "  mnuPrintChart=Print Chart", "  SaveChartToBitmap=Save Chart to Bitmap",
                     "  mnuSkip2", "  mnuSummaryInfo=Show Summary Information", "  mnuSkip1", "  mnuExit=E&xit",
                     "mnuZoomMenu=Zoom", "  mnuZoom=No Zoom", "  mnuZoom=Show 12 Hours", "  mnuZoom=Show 4 Hours",
                     "  mnuZoom=Show 1 Hour", "mnuHelp=&Help", "  mnuAbout=About", "  mnuSkip", "  mnuShowHelp=Help"}));
    EXPECT_EQ(menuLayout(*open(ReportKind::Latency)),
              (QStringList{"mnuFile=File", "  mnuPrintChart=Print Chart", "  SaveChartAsBitmap=Save chart to bitmap",
                           "  mnuSummaryInfo=Show Summary Information", "  mnuExit=Exit", "Zoom=Zoom",
                           "  mnuZoom=Zoom %100", "  mnuZoom=Zoom %200", "  mnuZoom=Zoom %400", "  mnuZoom=Zoom %800",
                           "mnuHelp=Help", "  mnuHelpFile=Help", "  mnuAbout=About"}));
    EXPECT_EQ(menuLayout(*open(ReportKind::NodeTraffic)),
              (QStringList{"File=File", "  PrintChart=Print Chart", "  SaveChartToBitmap=Save chart to Bitmap", "  ",
                           "  mnuSummaryData=Show summary information", "  ", "  mnuExit=Exit", "HelpMenu=Help",
                           "  Help=Help", "  ", "  About=About"}));
}

TEST_F(ReportWindowTest, QueueOptionsShowADirectionInTheChosenUnitAndHiddenSeriesKeepTheirData) {
    loadFixture("per-minute");
    const auto window = open(ReportKind::QueueActivity);
    auto* count = control<QRadioButton>(*window, "optShowMessageCount");
    auto* inbound = control<QCheckBox>(*window, "chkShowInboundMessages");
    auto* outbound = control<QCheckBox>(*window, "chkShowOutboundMessages");
    EXPECT_EQ(control<QGroupBox>(*window, "Frame2")->title(), QStringLiteral("Show Which Units"));
    EXPECT_TRUE(control<QRadioButton>(*window, "optShowQueueSize")->isChecked());

    count->click();
    outbound->click();
    inbound->click();
    EXPECT_EQ(shownSeries(window->chart()), (std::vector<bool>{false, false, true, false}));
    // Minute 07:05 (row 426) held 7 inbound messages; a minute without rows
    // reads as no data rather than -1.
    EXPECT_EQ(window->chart().pointText(426), QStringLiteral("07:05\nInbound Messages In Queue: 7"));
    EXPECT_EQ(window->chart().pointText(10), QStringLiteral("00:09\nInbound Messages In Queue: no data"));
    inbound->click();
    EXPECT_EQ(shownSeries(window->chart()), (std::vector<bool>{false, false, false, false}));
    inbound->click();
    EXPECT_EQ(window->chart().pointText(426), QStringLiteral("07:05\nInbound Messages In Queue: 7"));
}

TEST_F(ReportWindowTest, PortOptionsShowEachSeriesOnItsOwnBox) {
    loadFixture("per-minute");
    const auto window = open(ReportKind::PortAvailability);
    control<QCheckBox>(*window, "chkShowPortsBusy")->click();
    EXPECT_EQ(shownSeries(window->chart()), (std::vector<bool>{true, true}));
    control<QCheckBox>(*window, "chkShowPortsAvailable")->click();
    control<QCheckBox>(*window, "chkShowPortsBusy")->click();
    EXPECT_EQ(shownSeries(window->chart()), (std::vector<bool>{false, false}));
}

TEST_F(ReportWindowTest, NodeOptionsSwitchBetweenCountsAndMegabytes) {
    loadFixture("nodes");
    const auto traffic = open(ReportKind::NodeTraffic);
    control<QRadioButton>(*traffic, "optShowMessageCount")->click();
    EXPECT_EQ(shownSeries(traffic->chart()), (std::vector<bool>{false, true, false, false}));
    control<QCheckBox>(*traffic, "chkShowInboundMessages")->click();
    EXPECT_EQ(shownSeries(traffic->chart()), (std::vector<bool>{true, true, false, false}));

    const auto errors = open(ReportKind::NodeErrors);
    control<QCheckBox>(*errors, "chkShowOutboundMessages")->click();
    EXPECT_EQ(shownSeries(errors->chart()), (std::vector<bool>{true, false, false, false}));
    control<QCheckBox>(*errors, "chkShowInboundMessages")->click();
    EXPECT_EQ(shownSeries(errors->chart()), (std::vector<bool>{false, false, false, false}));
}

TEST_F(ReportWindowTest, NodeAxisNamesEachNodeWithTwoBlanksBeforeItsNumber) {
    loadFixture("nodes");
    const auto window = open(ReportKind::NodeTraffic);
    EXPECT_EQ(window->chart().xTickLabels(),
              (QStringList{"Veyra -  201", "Veyra -  77", "Keldan -  101", "Keldan -  77"}));
    EXPECT_EQ(window->findChild<QScrollBar*>(), nullptr);
}

TEST_F(ReportWindowTest, PerMinuteViewportFollowsTheZoomMenuAndTheRealScrollBar) {
    loadFixture("per-minute");
    const auto window = open(ReportKind::PortAvailability);
    auto* bar = control<QScrollBar>(*window, "ScrollBar");
    const QList<QAction*> zoom = window->findChildren<QAction*>(QStringLiteral("mnuZoom"));
    ASSERT_EQ(zoom.size(), 4);
    EXPECT_TRUE(zoom[1]->isChecked());
    EXPECT_EQ(bar->value(), 360);
    EXPECT_EQ(bar->pageStep(), 720);
    EXPECT_EQ(window->chart().xRange(), std::make_pair(359.0, 1078.0));

    bar->setValue(1000);
    zoom[1]->trigger();
    EXPECT_EQ(bar->value(), 720);
    EXPECT_EQ(window->chart().xRange(), std::make_pair(720.0, 1440.0));

    zoom[3]->trigger();
    EXPECT_TRUE(zoom[3]->isChecked());
    EXPECT_FALSE(zoom[1]->isChecked());
    bar->setValue(1440);
    EXPECT_EQ(window->chart().xRange(), std::make_pair(1379.0, 1439.0));
    EXPECT_EQ(bar->singleStep(), 1);

    zoom[0]->trigger();
    EXPECT_FALSE(bar->isEnabled());
    EXPECT_EQ(window->chart().xRange(), std::make_pair(0.0, 1440.0));
    EXPECT_TRUE(window->chart().xTickLabels().contains(QStringLiteral("12:00")));
}

TEST_F(ReportWindowTest, LatencyViewportSpansTheFirstToTheLastDelivery) {
    loadFixture("latency");
    reports::ReportInputs in = inputs(ReportKind::Latency);
    in.range.from = QTime(8, 0);
    in.range.to = QTime(17, 0);
    const auto window = open(in);
    auto* bar = control<QScrollBar>(*window, "ScrollBar");
    // Deliveries from 09:03 to 13:20 within 08:00 to 17:00: "Zoom %100"
    // spans them, in seconds after the first.
    EXPECT_EQ(bar->maximum(), 15420);
    EXPECT_FALSE(bar->isEnabled());
    EXPECT_EQ(window->chart().xRange(), std::make_pair(0.0, 15420.0));
    const auto spanned = [&](QTime from, QTime to) {
        for (const QString& label : window->chart().xTickLabels()) {
            const QTime time = QTime::fromString(label, QStringLiteral("HH:mm:ss"));
            EXPECT_TRUE(time >= from && time <= to) << label.toStdString();
        }
    };
    spanned(QTime(9, 3), QTime(13, 20));
    EXPECT_EQ(window->chart().pointText(0), QStringLiteral("09:03:00  SecondsInQueue: 180"));

    // "Zoom %200" shows the first half, 7710 seconds from 09:03:00.
    window->zoom(1);
    EXPECT_EQ(window->chart().xRange(), std::make_pair(0.0, 7710.0));
    spanned(QTime(9, 3), QTime(11, 11, 30));
    // "Zoom %800": 15420 / 8 = 1927.5, rounded to even.
    window->zoom(3);
    EXPECT_EQ(bar->pageStep(), 1928);
    bar->setValue(15420);
    EXPECT_EQ(window->chart().xRange(), std::make_pair(15420.0 - 1928, 15420.0));
    EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(ReportWindowTest, ChartZoomMovesTheScrollBarAndClearsTheCheckMark) {
    loadFixture("per-minute");
    const auto window = open(ReportKind::QueueActivity);
    emit window->chart().userRangeChanged(99, 199);
    auto* bar = control<QScrollBar>(*window, "ScrollBar");
    EXPECT_EQ(bar->value(), 100);
    EXPECT_EQ(bar->pageStep(), 100);
    for (QAction* entry : window->findChildren<QAction*>(QStringLiteral("mnuZoom"))) EXPECT_FALSE(entry->isChecked());
}

TEST_F(ReportWindowTest, AnEmptyNodeReportSaysSoAndKeepsItsTitleOverAnEmptyChart) {
    loadFixture("nodes");
    reports::ReportInputs in = inputs(ReportKind::NodeTraffic);
    in.range.from = QTime(23, 0, 0);
    const auto window = open(in);
    EXPECT_EQ(dialogs_.texts(), QStringList{shell::myLoadResString(67)});
    EXPECT_TRUE(window->chart().headerText().startsWith(shell::myLoadResString(73)));
    EXPECT_EQ(window->chart().pointText(1), QString());
    EXPECT_TRUE(window->isVisible());

    dialogs_.messages.clear();
    in.kind = ReportKind::NodeErrors;
    open(in);
    EXPECT_EQ(dialogs_.texts(), QStringList{shell::myLoadResString(138)});
}

TEST_F(ReportWindowTest, PerMinuteTablesAreBuiltOncePerLoadAndReused) {
    loadFixture("per-minute");
    open(ReportKind::PortAvailability);
    {
        SQLite::Database db(inputs(ReportKind::PortAvailability).connectionString.toStdString(),
                            SQLite::OPEN_READWRITE);
        db.exec("UPDATE PortAvailability SET MinLinesAvailableToTakeCalls = 42 WHERE Minute = 5");
    }
    const auto again = open(ReportKind::PortAvailability);
    EXPECT_EQ(again->chart().pointText(6), QStringLiteral("00:05\nLines available to take calls: 42"));
}

TEST_F(ReportWindowTest, DebugModeWritesTheUnmatchedFileBesideTheWorkingDatabase) {
    loadFixture("latency");
    reports::ReportInputs in = inputs(ReportKind::Latency);
    in.debug = true;
    open(in);
    QFile unmatched(QDir(data_.path()).filePath(QStringLiteral("UnmatchedGUID.TXT")));
    ASSERT_TRUE(unmatched.open(QIODevice::ReadOnly));
    EXPECT_TRUE(unmatched.readLine().startsWith("Message GUID, Time, Keldan Node, Veyra Node"));
}

TEST_F(ReportWindowTest, AnUnmatchedFileThatCannotBeMadeIsSaidAndTheReportStillBuilt) {
    loadFixture("latency");
    const QString path = QDir(data_.path()).filePath(QStringLiteral("UnmatchedGUID.TXT"));
    ASSERT_TRUE(QDir().mkdir(path));
    reports::ReportInputs in = inputs(ReportKind::Latency);
    in.debug = true;
    const auto window = open(in);
    EXPECT_EQ(dialogs_.texts(),
              QStringList{shell::myLoadResString(23) + QStringLiteral("Unable to write %1: Is a directory").arg(path)});
    SQLite::Database db(in.connectionString.toStdString(), SQLite::OPEN_READONLY);
    EXPECT_GT(db.execAndGet("SELECT COUNT(*) FROM MessageLatency").getInt(), 0);
    // The chart got its points: the scroll bar reaches the last of them.
    EXPECT_GT(control<QScrollBar>(*window, "ScrollBar")->maximum(), 0);
}

TEST_F(ReportWindowTest, SummaryItemOpensTheSummaryOfTheWindow) {
    loadFixture("per-minute");
    const auto window = open(ReportKind::PortAvailability);
    control<QAction>(*window, "mnuSummaryInfo")->trigger();
    EXPECT_EQ(summariesOpened_, 1);
    // Help and About have no window to open here, so they are disabled.
    EXPECT_FALSE(control<QAction>(*window, "mnuShowHelp")->isEnabled());
}

}  // namespace
}  // namespace varnel::reportwindows::test
