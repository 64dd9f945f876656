// Print and save of the report windows' charts, and the launch of a window
// from the main window's Run Report buttons.
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QMainWindow>
#include <QTimer>

#include "charts/ChartControl.h"
#include "reportwindows/PrintScale.h"
#include "reportwindows/ReportWindowFixture.h"
#include "reportwindows/ReportWindowLauncher.h"
#include "shell/StringTable.h"

namespace varnel::reportwindows::test {
namespace {

using reports::ReportKind;

QByteArray head(const QString& path, int bytes) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(bytes) : QByteArray();
}

using ChartOutputTest = ReportWindowFixture;

TEST_F(ChartOutputTest, SaveProposesTheDefaultNameAndWritesPicturesOfTheChartsSize) {
    loadFixture("per-minute");
    const auto window = open(ReportKind::PortAvailability);
    const QSize chartSize = window->chart().size();

    dialogs_.saveAnswer = data_.filePath(QStringLiteral("port.BMP"));
    window->saveChart();
    ASSERT_EQ(dialogs_.saveSuggestions.size(), 1);
    EXPECT_TRUE(dialogs_.saveSuggestions.first().endsWith(QStringLiteral("/PortAvailabilityGraph_5_12_2004.BMP")));
    EXPECT_EQ(head(*dialogs_.saveAnswer, 2), "BM");
    EXPECT_EQ(QImage(*dialogs_.saveAnswer).size(), chartSize);

    dialogs_.saveAnswer = data_.filePath(QStringLiteral("port.png"));
    window->saveChart();
    const QImage png(*dialogs_.saveAnswer, "PNG");
    EXPECT_EQ(png.size(), chartSize);
    EXPECT_NE(png.pixel(png.width() / 2, 10), png.pixel(5, 5));  // the header is drawn

    dialogs_.saveAnswer = data_.filePath(QStringLiteral("port.pdf"));
    window->saveChart();
    EXPECT_EQ(head(*dialogs_.saveAnswer, 5), "%PDF-");

    // A name without a picture extension is saved as a bitmap.
    dialogs_.saveAnswer = data_.filePath(QStringLiteral("plain"));
    window->saveChart();
    EXPECT_EQ(head(data_.filePath(QStringLiteral("plain.BMP")), 2), "BM");
    EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(ChartOutputTest, ACancelledSaveWritesNothingAndAFailedOneNamesFileAndReason) {
    loadFixture("nodes");
    const auto window = open(ReportKind::NodeErrors);
    const QStringList before = QDir(data_.path()).entryList(QDir::Files);
    dialogs_.saveAnswer.reset();
    window->saveChart();
    EXPECT_EQ(QDir(data_.path()).entryList(QDir::Files), before);
    EXPECT_TRUE(dialogs_.messages.empty());

    const QString gone = data_.filePath(QStringLiteral("vanished/errors.png"));
    dialogs_.saveAnswer = gone;
    window->saveChart();
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages.front().text,
              QStringLiteral("Unable to write %1: No such file or directory").arg(gone));
    EXPECT_FALSE(QFile::exists(gone));
}

TEST_F(ChartOutputTest, PrintPaintsTheChartOnThePageAndACancelledDialogPrintsNothing) {
    loadFixture("latency");
    const auto window = open(ReportKind::Latency);
    window->printChart();
    EXPECT_EQ(printers_.shown, 1);

    printers_.outputFile = data_.filePath(QStringLiteral("printed.pdf"));
    window->printChart();
    EXPECT_EQ(head(printers_.outputFile, 5), "%PDF-");
    EXPECT_GT(QFile(printers_.outputFile).size(), 2000);
    EXPECT_TRUE(dialogs_.messages.empty());
}

TEST(PrintScale, AChartIsScaledDownUntilBothDirectionsFitAndNeverEnlarged) {
    const QSizeF page(4800, 6600);
    EXPECT_EQ(printZoomPercent({1200, 700}, page), 100);    // fits: natural size
    EXPECT_EQ(printZoomPercent({4800, 6600}, page), 100);   // exactly the page
    EXPECT_EQ(printZoomPercent({9600, 3000}, page), 50);    // too wide
    EXPECT_EQ(printZoomPercent({4000, 9900}, page), 66);    // too high: 66.7 rounded down
    EXPECT_EQ(printZoomPercent({12000, 13200}, page), 40);  // both: the narrower fit
    EXPECT_EQ(printZoomPercent({4800000, 10}, page), 1);    // never below one percent
    EXPECT_EQ(printZoomPercent({}, page), 100);
}

TEST_F(ChartOutputTest, RunReportOpensAFreshModalWindowAtTheMainWindowsPlace) {
    loadFixture("nodes");
    QMainWindow owner;
    owner.move(40, 30);
    owner.resize(800, 600);
    owner.show();
    ReportWindowLauncher launcher({dialogs_, printers_, {}, {}, {}});
    QString seenTitle;
    QPoint seenPosition;
    bool modal = false;
    // Looks for the window until it is shown modally, after its load.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* window = QApplication::activeModalWidget();
        if (!window) return;
        poll.stop();
        seenTitle = window->windowTitle();
        seenPosition = window->pos();
        modal = window->isModal();
        window->close();
    });
    poll.start(5);
    launcher.openReport(inputs(ReportKind::NodeTraffic), owner, progress_);
    EXPECT_EQ(seenTitle, QStringLiteral("Node Traffic"));
    EXPECT_EQ(seenPosition, owner.pos());
    EXPECT_TRUE(modal);
    EXPECT_FALSE(progress_.isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace varnel::reportwindows::test
