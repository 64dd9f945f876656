// The five summary windows over fixture days: names, captions and menus,
// header texts in column order, the figures of each grid, the empty node
// table, sizes and the Help and About hooks.
#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include "summarywindows/SummaryWindowFixture.h"
#include "windowkit/Twips.h"

namespace varnel::summarywindows::test {

namespace {

using reports::ReportKind;

QStringList headers(const SummaryTableModel& grid) {
    QStringList texts;
    for (int column = 0; column < grid.columnCount(); ++column) texts << grid.cellText(0, column);
    return texts;
}

QStringList shownHeaders(const SummaryGridView& view) {
    QStringList texts;
    for (int column = 0; column < view.grid().columnCount(); ++column)
        if (!view.isColumnHidden(column)) texts << view.grid().cellText(0, column);
    return texts;
}

// The CSV file's data lines without the hour, which the writer numbers itself.
QStringList dataLinesWithoutHour(const QByteArray& csv) {
    QStringList lines = QString::fromLatin1(csv).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    lines.removeFirst();
    for (QString& line : lines) line = line.section(QLatin1Char(','), 1);
    return lines;
}

// The menu items in order, separators as "-": "File[Save as CSV file|-|Exit]".
QString menuText(const QMenu& menu) {
    QStringList items;
    for (const QAction* action : menu.actions())
        items << (action->isSeparator() ? QStringLiteral("-")
                                        : action->objectName() + QLatin1Char('=') + action->text());
    return menu.objectName() + QLatin1Char('=') + menu.title() + QLatin1Char('[') + items.join(QLatin1Char('|')) +
           QLatin1Char(']');
}

QStringList menus(const QWidget& window) {
    QStringList texts;
    const auto* bar = window.findChild<QMenuBar*>();
    if (!bar) return texts;
    for (const QAction* action : bar->actions())
        if (action->menu()) texts << menuText(*action->menu());
    return texts;
}

}  // namespace

TEST_F(SummaryWindowFixture, PortAvailabilitySummaryShowsTheHourlyExtremesOfTheDay) {
    loadFixture(QStringLiteral("per-minute"));
    buildReport(ReportKind::PortAvailability);
    SummaryWindow& window = open();

    EXPECT_EQ(window.objectName(), QStringLiteral("frmPortAvailabilitySummary"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Port Availability Summary Information"));
    EXPECT_EQ(menus(window), (QStringList{
                                 "mnuFile=File[mnuSaveAsCSV=Save as CSV file|-|mnuExit=Exit]",
                                 "mnuHelpHeader=Help[mnuHelp=Help|-|mnuAbout=About]",
                             }));
    const SummaryTableModel& grid = window.gridSummary().grid();
    EXPECT_EQ(headers(grid), (QStringList{"Hour", "Maximum Ports In Use", "Minimum Ports Available To Take Calls"}));
    ASSERT_EQ(grid.gridRowCount(), 25);
    // Cells keep the number text's leading blank; the file has the same figures trimmed.
    EXPECT_EQ(grid.cellText(11, *grid.columnIndex(QStringLiteral("MinPortsAvailableToTakeCalls"))),
              QStringLiteral(" 5"));
    EXPECT_EQ(grid.cellText(3, 0), QStringLiteral(" 3"));
    EXPECT_EQ(gridLines({QStringLiteral("MaxPortsInUse"), QStringLiteral("MinPortsAvailableToTakeCalls")}),
              dataLinesWithoutHour(
                  expectedFile(QStringLiteral("per-minute/expected"), "PortAvailabilitySummary_5_12_2004.csv")));
    EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(SummaryWindowFixture, QueueActivitySummaryShowsTheHourlyMaximaInTheFileOrder) {
    loadFixture(QStringLiteral("per-minute"));
    buildReport(ReportKind::QueueActivity);
    SummaryWindow& window = open();

    EXPECT_EQ(window.objectName(), QStringLiteral("frmMessageQueueActivitySummary"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Message Queue Activity Summary"));
    EXPECT_EQ(menus(window), (QStringList{
                                 "mnuFile=File[mnuSaveToCSV=Save as CSV file|-|mnuExit=Exit]",
                                 "Help=Help[mnuHelp=Help|-|mnuAbout=About]",
                             }));
    const SummaryTableModel& grid = window.gridSummary().grid();
    EXPECT_EQ(headers(grid), (QStringList{"Hour", "Max Inbound Messages", "Max Inbound Queue Size (MB)",
                                          "Max Outbound Messages", "Max Outbound Queue Size (MB)"}));
    EXPECT_EQ(gridLines({QStringLiteral("MaxInboundMessages"), QStringLiteral("MaxInboundMessageSize"),
                         QStringLiteral("MaxOutboundMessages"), QStringLiteral("MaxOutboundMessageSize")}),
              dataLinesWithoutHour(
                  expectedFile(QStringLiteral("per-minute/expected"), "MessageQueueActivitySummary_5_12_2004.csv")));
}

TEST_F(SummaryWindowFixture, LatencySummaryShowsTheOutboundPairsInDeliveryOrderWithTwoColumnsHidden) {
    loadFixture(QStringLiteral("latency"));
    buildReport(ReportKind::Latency, QTime(8, 0, 0), QTime(17, 0, 0));
    SummaryWindow& window = open();

    EXPECT_EQ(window.objectName(), QStringLiteral("frmMessageLatencySummary"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Message Latency Summary"));
    EXPECT_EQ(menus(window), (QStringList{
                                 "mnuFile=File[mnuSaveToCSV=Save as CSV file|mnuExit=Exit]",
                                 "Help=Help[mnuHelp=Help|mnuAbout=About]",
                             }));
    const SummaryGridView& view = window.gridSummary();
    const SummaryTableModel& grid = view.grid();
    EXPECT_EQ(headers(grid), (QStringList{"Index", "MessageGUID", "TimeDelivered", "SecondsInQueue", "VeyraNodeID",
                                          "KeldanNodeID", "OutboundMessage"}));
    EXPECT_EQ(shownHeaders(view),
              (QStringList{"MessageGUID", "TimeDelivered", "SecondsInQueue", "VeyraNodeID", "KeldanNodeID"}));
    EXPECT_EQ(gridLines({QStringLiteral("MessageGUID"), QStringLiteral("SecondsInQueue"), QStringLiteral("VeyraNodeID"),
                         QStringLiteral("KeldanNodeID")}),
              (QStringList{"{G1},180,512,3001", "{ABC-2},60,513,3002", "{G3},120,512,3002", "{G8},0,513,3001"}));
    EXPECT_TRUE(grid.cellText(1, 2).endsWith(QStringLiteral(" 09:03:00")));
    // Numbers to the right, texts to the left.
    const auto alignment = [&](int column) {
        return grid.data(grid.index(0, column), Qt::TextAlignmentRole).value<Qt::Alignment>() &
               Qt::AlignHorizontal_Mask;
    };
    EXPECT_EQ(alignment(1), Qt::AlignLeft);
    EXPECT_EQ(alignment(3), Qt::AlignRight);
}

TEST_F(SummaryWindowFixture, NodeSummariesListTheNodesInStoredOrderWithTheirNumbersBesideTheRows) {
    loadFixture(QStringLiteral("nodes"));
    buildReport(ReportKind::NodeTraffic, QTime(8, 0, 0), QTime(17, 0, 0));
    SummaryWindow& traffic = open();
    EXPECT_EQ(traffic.objectName(), QStringLiteral("frmNodeTrafficSummary"));
    EXPECT_EQ(traffic.windowTitle(), QStringLiteral("Node Traffic Summary"));
    EXPECT_EQ(menus(traffic), (QStringList{
                                  "mnuFile=File[mnuSaveToCSV=Save as CSV file|-|mnuExit=Exit]",
                                  "Help=Help[mnuHelp=Help|-|mnuAbout=About]",
                              }));
    const SummaryGridView& view = traffic.gridSummary();
    EXPECT_EQ(headers(view.grid()),
              (QStringList{"", "Node Type", "Node ID", "Inbound Messages", "Inbound Message Size (MB)",
                           "Outbound Messages", "Outbound Message Size (MB)"}));
    QStringList lines =
        QString::fromLatin1(expectedFile(QStringLiteral("nodes/expected"), "NodeTrafficSummary_5_12_2004.csv"))
            .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    lines.removeFirst();
    EXPECT_EQ(gridLines({"NodeType", "NodeID", "InboundMessages", "InboundMessageSize", "OutboundMessages",
                         "OutboundMessageSize"}),
              lines);
    // The fixed column is the rows' header: it stays in view when the grid scrolls sideways.
    EXPECT_TRUE(view.isColumnHidden(0));
    EXPECT_TRUE(view.verticalHeader()->isVisible());
    EXPECT_EQ(view.grid().headerData(3, Qt::Vertical, Qt::DisplayRole).toString(), QStringLiteral(" 77"));
    // Columns take their layout width, wider where the header text needs it.
    const int nodeType = *view.grid().columnIndex("NodeType");
    const int size = *view.grid().columnIndex("InboundMessageSize");
    EXPECT_EQ(view.horizontalHeader()->sectionSize(nodeType),
              std::max(platform::twipsToPixels(1005, view.logicalDpiX()),
                       view.horizontalHeader()->sectionSizeHint(nodeType)));
    EXPECT_GE(view.horizontalHeader()->sectionSize(size), platform::twipsToPixels(2100, view.logicalDpiX()));
    EXPECT_GE(view.horizontalHeader()->sectionSize(size), view.horizontalHeader()->sectionSizeHint(size));

    buildReport(ReportKind::NodeErrors, QTime(8, 0, 0), QTime(17, 0, 0));
    SummaryWindow& errors = open();
    EXPECT_EQ(errors.objectName(), QStringLiteral("frmNodeErrorSummary"));
    EXPECT_EQ(errors.windowTitle(), QStringLiteral("Non-delivery Notification Summary"));
    EXPECT_EQ(menus(errors), (QStringList{
                                 "mnuFile=File[mnuSaveAsCSV=Save as CSV file|-|mnuExit=Exit]",
                                 "mnuHelpMenu=Help[mnuHelp=Help|-|mnuAbout=About]",
                             }));
    EXPECT_EQ(headers(errors.gridSummary().grid()),
              (QStringList{"", "Node Type", "Node ID", "Inbound NDNs", "Outbound NDNs"}));
    EXPECT_EQ(gridLines({"NodeType", "NodeID", "InboundMessages", "OutboundMessages"}),
              (QStringList{"Veyra,201,0,1", "Veyra,77,1,0", "Keldan,101,0,0", "Keldan,77,1,1"}));
    EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(SummaryWindowFixture, EmptyNodeTableShowsItsMessageOnceAnEmptyGridAndSavesTheHeaderOnly) {
    loadFixture(QStringLiteral("nodes"));
    buildReport(ReportKind::NodeErrors, QTime(12, 0, 0), QTime(17, 0, 0));
    SummaryWindow& window = open();
    EXPECT_EQ(dialogs_.texts(), QStringList{QStringLiteral("No data found in Node Traffic database")});
    EXPECT_EQ(window.gridSummary().grid().gridRowCount(), 1);
    EXPECT_EQ(window.gridSummary().grid().rowCount(), 0);

    const QByteArray saved = saveAs(out_.file(QStringLiteral("errors.csv")), "mnuSaveAsCSV");
    EXPECT_EQ(saved, expectedFile(QStringLiteral("nodes/expected-empty"), "NodeErrorSummary_5_12_2004.csv"));
    EXPECT_EQ(dialogs_.texts(), (QStringList{"No data found in Node Traffic database", "Summary information saved."}));
}

TEST_F(SummaryWindowFixture, AnUnreadableDatabaseIsReportedAndNothingCanBeSaved) {
    inputs_.kind = ReportKind::NodeTraffic;
    inputs_.connectionString = out_.file(QStringLiteral("missing/PortData.db"));
    SummaryWindow& window = open();
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_TRUE(dialogs_.messages[0].text.startsWith(QStringLiteral("Error in FormLoad routine: ")));
    EXPECT_GT(dialogs_.messages[0].text.size(), QStringLiteral("Error in FormLoad routine: ").size());
    EXPECT_EQ(window.gridSummary().grid().rowCount(), 0);
    EXPECT_FALSE(control<QAction>("mnuSaveToCSV")->isEnabled());
}

TEST_F(SummaryWindowFixture, WindowsKeepTheirMinimumSizeAndTheGridFillsThem) {
    loadFixture(QStringLiteral("nodes"));
    buildReport(ReportKind::NodeErrors, QTime(8, 0, 0), QTime(17, 0, 0));
    SummaryWindow& window = open();
    const QSize minimum(platform::twipsToPixels(5730, window.logicalDpiX()),
                        platform::twipsToPixels(3000, window.logicalDpiY()));
    EXPECT_EQ(window.minimumSize(), minimum);
    window.resize(50, 50);
    EXPECT_EQ(window.size(), minimum);
    window.resize(900, 700);
    QTest::qWait(0);
    const QRect grid = window.gridSummary().geometry();
    EXPECT_EQ(grid.width(), window.width());
    EXPECT_EQ(grid.bottom(), window.height() - 1);
    EXPECT_GT(grid.height(), 600);
}

TEST_F(SummaryWindowFixture, HelpAndAboutItemsCallTheirHooksOrStayDisabledWithout) {
    loadFixture(QStringLiteral("per-minute"));
    buildReport(ReportKind::QueueActivity);
    SummaryWindow& without = open();
    EXPECT_FALSE(without.findChild<QAction*>(QStringLiteral("mnuHelp"))->isEnabled());
    EXPECT_FALSE(without.findChild<QAction*>(QStringLiteral("mnuAbout"))->isEnabled());

    QStringList calls;
    SummaryWindow with(inputs_,
                       SummaryWindowServices{dialogs_, [&](QWidget& owner) { calls << "help " + owner.objectName(); },
                                             [&](QWidget& owner) { calls << "about " + owner.objectName(); }});
    with.findChild<QAction*>(QStringLiteral("mnuHelp"))->trigger();
    with.findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();
    EXPECT_EQ(calls, (QStringList{"help frmMessageQueueActivitySummary", "about frmMessageQueueActivitySummary"}));
}

TEST_F(SummaryWindowFixture, OpenSummaryWindowIsModalOverItsOwnerUntilExit) {
    loadFixture(QStringLiteral("per-minute"));
    buildReport(ReportKind::PortAvailability);
    QWidget owner;
    owner.show();
    QString seen;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        seen = modal->objectName() + (modal->parentWidget() == &owner ? " over owner" : " elsewhere");
        modal->findChild<QAction*>(QStringLiteral("mnuExit"))->trigger();
    });
    openSummaryWindow(inputs_, owner, SummaryWindowServices{dialogs_, {}, {}});
    EXPECT_EQ(seen, QStringLiteral("frmPortAvailabilitySummary over owner"));
}

}  // namespace varnel::summarywindows::test
