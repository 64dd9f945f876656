// The report windows' frame around the chart: the menus of the queue and node
// error windows, minimum size and resize, the latency time axis and viewport
// on short days through the real scroll bar, what the progress panel shows
// while a window loads, and a printer that cannot start.
#include <SQLiteCpp/Database.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QRegularExpression>
#include <QScrollBar>
#include <QWheelEvent>

#include "TestFiles.h"
#include "catalogue/ReportRecipe.h"
#include "charts/ChartControl.h"
#include "charts/WheelTurn.h"
#include "reportwindows/ReportWindowFixture.h"
#include "shell/StringTable.h"
#include "store/ReportDatabase.h"
#include "windowkit/Twips.h"

namespace varnel::reportwindows::test {
namespace {

using reports::ReportKind;

QStringList menuLayout(const QWidget& window) {
    QStringList layout;
    for (QAction* menuAction : window.findChild<QMenuBar*>()->actions()) {
        layout << menuAction->menu()->objectName() + QLatin1Char('=') + menuAction->text();
        for (QAction* item : menuAction->menu()->actions())
            layout << QStringLiteral("  ") + item->objectName() +
                          (item->isSeparator() ? QString() : QLatin1Char('=') + item->text());
    }
    return layout;
}

// Every caption the progress panel showed on screen, in order, once each.
class PaintedCaptions : public QObject {
public:
    explicit PaintedCaptions(QGroupBox& panel) : panel_(panel) { panel.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && (captions.isEmpty() || captions.last() != panel_.title()))
            captions << panel_.title();
        return false;
    }
    QStringList captions;

private:
    QGroupBox& panel_;
};

using ReportWindowLayoutTest = ReportWindowFixture;

TEST_F(ReportWindowLayoutTest, QueueAndNodeErrorMenusCarryTheirOwnNamesAndCaptions) {
    loadFixture("nodes");
    EXPECT_EQ(menuLayout(*open(ReportKind::QueueActivity)),
              (QStringList{"File=File", "  mnuPrintChart=Print Chart", "  mnuSaveChartToBitmap=Save Chart to Bitmap",
                           "  ", "  mnuShowSummary=Show Summary Information", "  ", "  mnuExit=Exit",
                           "mnuZoomMenu=Zoom", "  mnuZoom=No Zoom", "  mnuZoom=Show 12 Hours", "  mnuZoom=Show 4 Hours",
                           "  mnuZoom=Show 1 Hour", "Help=Help", "  mnuHelp=Help", "  ", "  mnuAbout=About"}));
    EXPECT_EQ(menuLayout(*open(ReportKind::NodeErrors)),
              (QStringList{"mnuFile=File", "  mnuPrintChart=Print Chart", "  mnuSaveChartToBitmap=Save chart to Bitmap",
                           "  ", "  mnuShowSummary=Show summary information", "  ", "  mnuExit=Exit", "mnuHelp=Help",
                           "  mnuHelpMenu=Help", "  ", "  mnuAbout=About"}));
}

TEST_F(ReportWindowLayoutTest, WindowsKeepTheirMinimumSizeAndTheChartFillsTheRest) {
    loadFixture("nodes");
    const struct {
        ReportKind kind;
        int widthTwips;
        int heightTwips;
        bool scrollBar;
    } cases[] = {{ReportKind::PortAvailability, 7005, 5414, true},
                 {ReportKind::Latency, 7170, 4980, true},
                 {ReportKind::NodeTraffic, 7005, 5414, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        const auto window = open(c.kind);
        const QSize designed(platform::twipsToPixels(c.widthTwips, window->logicalDpiX()),
                             platform::twipsToPixels(c.heightTwips, window->logicalDpiY()));
        const QSize minimum = window->minimumSize();
        EXPECT_EQ(minimum, minimum.expandedTo(designed)) << "never below the design's minimum";
        window->resize(10, 10);
        EXPECT_EQ(window->size(), minimum);

        window->resize(minimum + QSize(300, 200));
        QApplication::processEvents();
        const QSize before = window->chart().size();
        window->resize(minimum + QSize(500, 400));
        QApplication::processEvents();
        EXPECT_EQ(window->chart().size(), before + QSize(200, 200));
        auto* bar = window->findChild<QScrollBar*>(QStringLiteral("ScrollBar"));
        ASSERT_EQ(bar != nullptr, c.scrollBar);
        if (bar) {
            EXPECT_EQ(bar->width(), window->chart().width());
            EXPECT_GE(bar->y(), window->chart().geometry().bottom());
        }
    }
}

// Whether a control shows its whole caption: it is at least as wide as it
// asks to be.
void expectWhole(const QWidget& control) {
    EXPECT_GE(control.width(), control.minimumSizeHint().width()) << control.objectName().toStdString();
}

TEST_F(ReportWindowLayoutTest, AtTheirMinimumSizeNothingOfTheWindowsIsCut) {
    loadFixture("nodes");
    for (const auto kind : {ReportKind::PortAvailability, ReportKind::QueueActivity, ReportKind::Latency,
                            ReportKind::NodeTraffic, ReportKind::NodeErrors}) {
        SCOPED_TRACE(static_cast<int>(kind));
        const auto window = open(kind);
        window->resize(10, 10);
        QApplication::processEvents();
        ASSERT_EQ(window->size(), window->minimumSize());
        // The check boxes and option buttons with their frames show their
        // captions whole.
        for (const QGroupBox* frame : window->findChildren<QGroupBox*>()) {
            expectWhole(*frame);
            EXPECT_GE(frame->width(), frame->fontMetrics().horizontalAdvance(frame->title()));
        }
        for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            EXPECT_GE(button->width(), button->sizeHint().width()) << button->objectName().toStdString();
        }
        // The chart keeps room for its header, legend and axes, with a
        // plotting area beside which the value axis title fits.
        const charts::ChartControl& chart = window->chart();
        EXPECT_GE(chart.height(), chart.minimumSizeHint().height());
        EXPECT_GE(chart.width(), chart.minimumSizeHint().width());
        const QString yTitle = catalogue::reportChart({kind, {}}, inputs(kind)).yTitle;
        EXPECT_GT(chart.minimumSizeHint().height(),
                  chart.fontMetrics().horizontalAdvance(yTitle) + chart.fontMetrics().height() * 3)
            << yTitle.toStdString();
        for (const QString& line : chart.headerText().split(QLatin1Char('\n')))
            EXPECT_GE(chart.minimumSizeHint().width(), chart.fontMetrics().horizontalAdvance(line))
                << "each line of the header whole";
    }
}

TEST_F(ReportWindowLayoutTest, LatencyAxisLabelsAreTimesOfTheDay) {
    loadFixture("latency");
    const auto window = open(ReportKind::Latency);
    const QStringList labels = window->chart().xTickLabels();
    ASSERT_GE(labels.size(), 3);
    const QRegularExpression time(QStringLiteral("^([01][0-9]|2[0-3]):[0-5][0-9]:[0-5][0-9]$"));
    for (const QString& label : labels) EXPECT_TRUE(time.match(label).hasMatch()) << label.toStdString();
    // Delivered at 09:03 (times are kept to the minute) after 180 seconds,
    // 58 minutes after the first delivery at 08:05.
    EXPECT_EQ(window->chart().pointText(58 * 60), QStringLiteral("09:03:00  SecondsInQueue: 180"));
}

// A day of two outbound messages delivered at 00:02:00 and clearedAt.
QString twoMessageDay(const varnel::test::TempFolder& logs, const char* clearedAt) {
    logs.write(QStringLiteral("CallLog_20040512.log"),
               std::string("5/12/2004 0:00:00,INCOMING,1,20,2\r\n"
                           "5/12/2004 0:01:00,NEW OUTGOING MESSAGE,512,3001,{A},OK,100,1,100\r\n"
                           "5/12/2004 0:02:00,CLEARED OUTGOING MESSAGE,512,3001,{A},OK,100,1,100\r\n"
                           "5/12/2004 0:01:00,NEW OUTGOING MESSAGE,512,3001,{B},OK,100,1,100\r\n"
                           "5/12/2004 ") +
                   clearedAt + ",CLEARED OUTGOING MESSAGE,512,3001,{B},OK,100,1,100\r\n");
    return logs.path();
}

TEST_F(ReportWindowLayoutTest, ShortLatencyDaysZoomByPartsOfTheirSpanThroughTheRealScrollBar) {
    // The window widths are parts of the time from the first delivery to the
    // last, rounded with halves to even: 180 / 8 = 22.5 and 300 / 8 = 37.5.
    const struct {
        const char* clearedAt;
        int maximum;
        int entry;
        int pageStep;
    } cases[] = {{"0:05:00", 180, 3, 22}, {"0:07:00", 300, 3, 38}, {"0:07:00", 300, 2, 75}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.clearedAt);
        varnel::test::TempFolder logs;
        loadLogs(twoMessageDay(logs, c.clearedAt));
        const auto window = open(ReportKind::Latency);
        auto* bar = control<QScrollBar>(*window, "ScrollBar");
        EXPECT_EQ(bar->maximum(), c.maximum);
        EXPECT_FALSE(bar->isEnabled());
        window->findChildren<QAction*>(QStringLiteral("mnuZoom"))[c.entry]->trigger();
        EXPECT_EQ(bar->pageStep(), c.pageStep);
        EXPECT_EQ(bar->singleStep(), c.entry == 3 ? 1 : 10);
        EXPECT_TRUE(bar->isEnabled());
        bar->setValue(bar->maximum());
        EXPECT_EQ(window->chart().xRange(), std::make_pair(double(c.maximum - c.pageStep), double(c.maximum)));
        EXPECT_TRUE(dialogs_.messages.empty()) << dialogs_.texts().join('|').toStdString();
    }
}

TEST_F(ReportWindowLayoutTest, OneOutboundMessageAloneLeavesTheZoomNoWidth) {
    varnel::test::TempFolder logs;
    logs.write(QStringLiteral("CallLog_20040512.log"),
               std::string("5/12/2004 8:00:00,INCOMING,1,20,2\r\n"
                           "5/12/2004 9:00:00,NEW OUTGOING MESSAGE,512,3001,{A},OK,100,1,100\r\n"
                           "5/12/2004 9:04:00,CLEARED OUTGOING MESSAGE,512,3001,{A},OK,100,1,100\r\n"));
    loadLogs(logs.path());
    const auto window = open(ReportKind::Latency);
    EXPECT_EQ(dialogs_.texts(), QStringList{shell::myLoadResString(26) + QStringLiteral("Invalid property value")});
    auto* bar = control<QScrollBar>(*window, "ScrollBar");
    EXPECT_EQ(bar->maximum(), 0);
    // The bar keeps its width of one, so the axis ends at the message.
    EXPECT_EQ(window->chart().xRange(), std::make_pair(-1.0, 0.0));
    EXPECT_EQ(window->chart().pointText(0), QStringLiteral("09:04:00  SecondsInQueue: 240"));
}

// Every state of the progress bar while it was shown: its caption, range and
// value at each change.
class BarStates : public QObject {
public:
    explicit BarStates(app::ProgressPanel& panel) : panel_(panel) {
        connect(panel.bar(), &QProgressBar::valueChanged, this, [this] { note(); });
    }
    struct State {
        QString caption;
        int maximum;
        int value;
    };
    // The states under one caption.
    std::vector<State> under(const QString& caption) const {
        std::vector<State> found;
        for (const State& state : states)
            if (state.caption == caption) found.push_back(state);
        return found;
    }
    std::vector<State> states;
    int busy = 0;  // states with an empty range: a busy indicator, not a bar

private:
    void note() {
        if (panel_.bar()->maximum() == panel_.bar()->minimum()) ++busy;
        states.push_back({panel_.title(), panel_.bar()->maximum(), panel_.bar()->value()});
    }
    app::ProgressPanel& panel_;
};

TEST_F(ReportWindowLayoutTest, TheProgressPanelNamesEachStageWhileAWindowLoads) {
    loadFixture("latency");
    PaintedCaptions painted(progress_);
    BarStates bar(progress_);
    open(ReportKind::PortAvailability);
    EXPECT_EQ(painted.captions,
              (QStringList{shell::myLoadResString(13), QStringLiteral("Generating report, please wait...")}));
    EXPECT_FALSE(progress_.isVisible());
    // The table is built minute by minute, and the chart takes its 1440 points.
    const auto crunched = bar.under(shell::myLoadResString(13));
    ASSERT_FALSE(crunched.empty());
    EXPECT_EQ(crunched.back().maximum, 1440);
    EXPECT_EQ(crunched.back().value, 1440);
    const auto generated = bar.under(QStringLiteral("Generating report, please wait..."));
    ASSERT_FALSE(generated.empty());
    EXPECT_EQ(generated.back().maximum, 1440);
    EXPECT_EQ(generated.back().value, 1440);

    // Opened again, the table is only read: nothing is crunched.
    painted.captions.clear();
    open(ReportKind::PortAvailability);
    EXPECT_EQ(painted.captions, QStringList{QStringLiteral("Generating report, please wait...")});

    painted.captions.clear();
    bar.states.clear();
    open(ReportKind::Latency);
    EXPECT_EQ(painted.captions, (QStringList{shell::myLoadResString(13), shell::myLoadResString(43)}));
    EXPECT_FALSE(progress_.isVisible());
    // Built over the pairs stored, then the points of the outbound ones.
    store::ReportDatabase db(inputs(ReportKind::Latency).connectionString);
    const auto pairs = static_cast<int>(db.rowCount("MessageLatency"));
    ASSERT_GT(pairs, 0);
    EXPECT_EQ(bar.under(shell::myLoadResString(13)).back().maximum, pairs);
    EXPECT_EQ(bar.under(shell::myLoadResString(13)).back().value, pairs);
    const int outbound = db.connection().execAndGet("SELECT COUNT(*) FROM MessageLatency WHERE OutboundMessage = 1");
    EXPECT_EQ(bar.under(shell::myLoadResString(43)).back().maximum, outbound);
    EXPECT_EQ(bar.under(shell::myLoadResString(43)).back().value, outbound);
    EXPECT_EQ(bar.busy, 0) << "the bar always has a range to fill";
}

TEST_F(ReportWindowLayoutTest, AnEmptyLatencyReportSaysSoAndKeepsTheWholeDayOnItsAxis) {
    loadFixture("latency");
    reports::ReportInputs in = inputs(ReportKind::Latency);
    in.range.from = QTime(23, 0, 0);
    const auto window = open(in);
    EXPECT_EQ(dialogs_.texts(), QStringList{shell::myLoadResString(68)});
    EXPECT_TRUE(window->chart().headerText().contains(QStringLiteral("\n") + shell::myLoadResString(30)));
    EXPECT_EQ(window->chart().xRange(), std::make_pair(0.0, 86400.0));

    // With nothing to see, the wheel neither narrows the axis nor moves the bar.
    auto* bar = control<QScrollBar>(*window, "ScrollBar");
    const int pageStep = bar->pageStep();
    const bool enabled = bar->isEnabled();
    charts::test::turnWheelUp(window->chart());
    EXPECT_EQ(window->chart().xRange(), std::make_pair(0.0, 86400.0));
    EXPECT_EQ(bar->pageStep(), pageStep);
    EXPECT_EQ(bar->isEnabled(), enabled);
}

TEST_F(ReportWindowLayoutTest, APrinterThatCannotStartIsReportedWithThePrintRoutinesText) {
    loadFixture("nodes");
    const auto window = open(ReportKind::NodeTraffic);
    printers_.outputFile = data_.filePath(QStringLiteral("vanished/printed.pdf"));
    window->printChart();
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_TRUE(dialogs_.messages.front().text.startsWith(shell::myLoadResString(20)))
        << dialogs_.messages.front().text.toStdString();
    EXPECT_FALSE(QFile::exists(printers_.outputFile));
}

TEST_F(ReportWindowLayoutTest, TheMouseWheelZoomsTheSameViewportAsTheMenuAndTheScrollBar) {
    loadFixture("per-minute");
    const auto window = open(ReportKind::QueueActivity);
    auto* bar = control<QScrollBar>(*window, "ScrollBar");
    const QList<QAction*> zoom = window->findChildren<QAction*>(QStringLiteral("mnuZoom"));
    charts::test::turnWheelUp(window->chart());

    // Zoomed in from twelve hours: no entry's width, so no check mark, and
    // the bar's window and the axis agree.
    const auto [minimum, maximum] = window->chart().xRange();
    EXPECT_LT(maximum - minimum, 720);
    EXPECT_EQ(bar->pageStep(), qRound(maximum - minimum));
    EXPECT_EQ(bar->value(), qRound(minimum) + 1);
    for (QAction* entry : zoom) EXPECT_FALSE(entry->isChecked());
    // The menu takes over again from there.
    zoom[3]->trigger();
    EXPECT_TRUE(zoom[3]->isChecked());
    EXPECT_EQ(bar->pageStep(), 60);
}

TEST_F(ReportWindowLayoutTest, TheChartTellsAssistiveTechnologyWhatItShows) {
    loadFixture("per-minute");
    const auto window = open(ReportKind::PortAvailability);
    EXPECT_TRUE(window->chart().accessibleName().startsWith(shell::myLoadResString(88)));
    EXPECT_EQ(window->chart().accessibleDescription(),
              QStringLiteral("Ports Available Or In Use over Time: Lines available to take calls"));
    control<QCheckBox>(*window, "chkShowPortsBusy")->click();
    control<QCheckBox>(*window, "chkShowPortsAvailable")->click();
    EXPECT_EQ(window->chart().accessibleDescription(),
              QStringLiteral("Ports Available Or In Use over Time: Ports currently busy"));
}

TEST_F(ReportWindowLayoutTest, ADayWithoutPortEventsSaysSoAndShowsEveryMinuteIdle) {
    loadFixture("per-minute");
    {
        SQLite::Database db(inputs(ReportKind::PortAvailability).connectionString.toStdString(),
                            SQLite::OPEN_READWRITE);
        db.exec("DELETE FROM RawPortData");
    }
    reports::ReportInputs in = inputs(ReportKind::PortAvailability);
    in.peakAvailableLines = 24;
    const auto window = open(in);
    EXPECT_EQ(dialogs_.texts(), QStringList{shell::myLoadResString(63)});
    control<QCheckBox>(*window, "chkShowPortsBusy")->click();
    EXPECT_EQ(window->chart().pointText(601),
              QStringLiteral("10:00\nLines available to take calls: 24\nPorts currently busy: 0"));
}

TEST_F(ReportWindowLayoutTest, ADatabaseThatCannotBeReadIsReportedOverAnEmptyChartWithItsTitle) {
    loadFixture("nodes");
    const QString notADatabase = data_.filePath(QStringLiteral("notes.db"));
    QFile notes(notADatabase);
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write(QByteArray(4096, 'x'));
    notes.close();
    const struct {
        ReportKind kind;
        int failureId;
        int headerId;
    } cases[] = {{ReportKind::QueueActivity, 24, 56}, {ReportKind::Latency, 23, 57}, {ReportKind::NodeErrors, 22, 147}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        dialogs_.messages.clear();
        reports::ReportInputs in = inputs(c.kind);
        in.connectionString = notADatabase;
        const auto window = open(in);
        ASSERT_EQ(dialogs_.messages.size(), 1u);
        EXPECT_TRUE(dialogs_.messages.front().text.startsWith(shell::myLoadResString(c.failureId)))
            << dialogs_.messages.front().text.toStdString();
        EXPECT_TRUE(window->chart().headerText().startsWith(shell::myLoadResString(c.headerId)));
        EXPECT_EQ(window->chart().pointText(1), QString());
        EXPECT_FALSE(progress_.isVisible());
    }
}

}  // namespace
}  // namespace varnel::reportwindows::test
