// Print and save of the report windows' charts, and the launch of a window
// from the main window's Run Report buttons.
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QMainWindow>
#include <QProcess>
#include <QTimer>
#include <QXmlStreamReader>
#include <algorithm>

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

struct PrintedWord {
    QString text;
    QRectF box;  // in points from the page's top left corner
};

struct PrintedPage {
    QSizeF size;  // in points
    std::vector<PrintedWord> words;
};

// The first page of a PDF file as poppler's pdftotext reads it: its size and
// its words with their boxes.
PrintedPage printedPage(const QString& pdf) {
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                                             QStringLiteral("-l"), QStringLiteral("1"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(tool.waitForFinished(30000)) << "pdftotext (poppler-utils) did not run";
    PrintedPage page;
    QXmlStreamReader xml(tool.readAllStandardOutput());
    const auto number = [&](const char* name) { return xml.attributes().value(QLatin1String(name)).toDouble(); };
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement()) continue;
        if (xml.name() == QLatin1String("page")) page.size = QSizeF(number("width"), number("height"));
        if (xml.name() == QLatin1String("word")) {
            const QRectF box(QPointF(number("xMin"), number("yMin")), QPointF(number("xMax"), number("yMax")));
            page.words.push_back({xml.readElementText(), box});
        }
    }
    return page;
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
    EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(ChartOutputTest, SaveWritesTheFileTheDialogNamedInTheFormatOfTheChosenFilter) {
    loadFixture("per-minute");
    const auto window = open(ReportKind::QueueActivity);
    // The dialog gives a typed name the chosen filter's extension itself,
    // so that it can ask before replacing that file: nothing is added after
    // it has answered, which would replace a file unasked.
    dialogs_.saveAnswer = data_.filePath(QStringLiteral("plain"));
    window->saveChart();
    EXPECT_EQ(dialogs_.saveFilters,
              QStringList{QStringLiteral("BMP Files (*.BMP);;PNG Files (*.png);;PDF Files (*.pdf)")});
    EXPECT_EQ(head(*dialogs_.saveAnswer, 2), "BM");
    EXPECT_FALSE(QFile::exists(data_.filePath(QStringLiteral("plain.BMP"))));

    // A name with an extension of no picture format: the chosen filter's.
    dialogs_.saveAnswer = data_.filePath(QStringLiteral("queue.chart"));
    dialogs_.saveFilterAnswer = QStringLiteral("PDF Files (*.pdf)");
    window->saveChart();
    EXPECT_EQ(head(*dialogs_.saveAnswer, 5), "%PDF-");
    dialogs_.saveFilterAnswer = QStringLiteral("PNG Files (*.png)");
    window->saveChart();
    EXPECT_FALSE(QImage(*dialogs_.saveAnswer, "PNG").isNull());
    // A picture extension typed under another filter is what the user means.
    dialogs_.saveAnswer = data_.filePath(QStringLiteral("queue.BMP"));
    window->saveChart();
    EXPECT_EQ(head(*dialogs_.saveAnswer, 2), "BM");
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

TEST_F(ChartOutputTest, APrintedChartFitsThePageInTheChosenOrientationWithLegibleTexts) {
    loadFixture("per-minute");
    const auto window = open(ReportKind::PortAvailability);
    const QSizeF chartPoints = QSizeF(window->chart().size()) * 72.0 / window->chart().logicalDpiY();
    for (const auto orientation : {QPageLayout::Portrait, QPageLayout::Landscape}) {
        SCOPED_TRACE(orientation);
        printers_.orientation = orientation;
        printers_.outputFile = data_.filePath(QStringLiteral("printed-%1.pdf").arg(orientation));
        window->printChart();
        const PrintedPage page = printedPage(printers_.outputFile);
        ASSERT_FALSE(page.size.isEmpty());
        EXPECT_EQ(page.size.width() > page.size.height(), orientation == QPageLayout::Landscape);
        // The header, the axis titles and the legend, all on the page.
        for (const char* text : {"Port", "Availability", "Report", "Wednesday,", "Time", "Ports", "Lines"}) {
            const auto word = std::find_if(page.words.begin(), page.words.end(),
                                           [&](const PrintedWord& w) { return w.text == QLatin1String(text); });
            ASSERT_NE(word, page.words.end()) << text;
            EXPECT_TRUE(QRectF(QPointF(0, 0), page.size).contains(word->box)) << text;
        }
        // Every text at a size one reads on paper: 4 to 16 points high, and
        // the printed chart no larger than the window's.
        QRectF printed;
        for (const PrintedWord& word : page.words) {
            const double height = std::min(word.box.height(), word.box.width());
            EXPECT_GE(height, 4) << word.text.toStdString();
            EXPECT_LE(height, 16) << word.text.toStdString();
            printed |= word.box;
        }
        EXPECT_LE(printed.width(), chartPoints.width());
        EXPECT_LE(printed.height(), chartPoints.height());
    }
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
