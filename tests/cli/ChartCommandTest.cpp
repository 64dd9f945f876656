// varnel-report --chart: every report also writes its chart picture under the
// chart's default name, at the default or the given size, without a display;
// bad chart options are usage errors and a picture that cannot be written is
// a failure that names the file.
#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>

#include "ReportTool.h"
#include "TestFiles.h"

using namespace varnel;
using test::runReportTool;

namespace {

// A real day of the gateway: every report has something to draw.
const QString sampleLogs = QStringLiteral(VARNEL_SOURCE_DIR "/samples/logs");

const QStringList chartNames = {"PortAvailabilityGraph_5_12_2004", "MessageQueueActivityGraph_5_12_2004",
                                "MessageLatencyGraph_5_12_2004",   "NodeTrafficGraph_5_12_2004",
                                "NodeErrorGraph_5_12_2004",        "DailyTrendGraph_5_12_2004"};

// Pixels of the picture far from white, grey and black: the drawn series.
int colouredPixels(const QImage& image) {
    int coloured = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2) {
            const QColor colour = image.pixelColor(x, y);
            if (colour.hsvSaturation() > 120 && colour.value() > 80) ++coloured;
        }
    return coloured;
}

class ChartCommand : public ::testing::Test {
protected:
    QStringList base() const {
        return {"--logs",     sampleLogs,  "--day",     "2004-05-12", "--db", data.file("day.db"),
                "--data-dir", data.path(), "--out-dir", out.path()};
    }
    QStringList written() const { return QDir(out.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

    test::TempFolder data, out;
};

TEST_F(ChartCommand, EveryReportWritesItsChartAtTheDefaultSizeWithItsSeriesDrawn) {
    const auto run = runReportTool(base() + QStringList{"--report", "all", "--chart", "png"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    for (const QString& name : chartNames) {
        SCOPED_TRACE(name.toStdString());
        const QImage picture(out.file(name + ".png"), "PNG");
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(picture.size(), QSize(1200, 700));
        EXPECT_GT(colouredPixels(picture), 20);
    }
    // The summaries are written beside them, and nothing else.
    EXPECT_EQ(written().size(), 12) << written().join(' ').toStdString();
}

TEST_F(ChartCommand, ChartSizeAndTheOtherFormatsAreHonoured) {
    auto run = runReportTool(base() +
                             QStringList{"--report", "port-availability", "--chart", "BMP", "--chart-size", "640x480"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QImage bitmap(out.file("PortAvailabilityGraph_5_12_2004.bmp"), "BMP");
    EXPECT_EQ(bitmap.size(), QSize(640, 480));

    run = runReportTool(base() + QStringList{"--report", "node-traffic", "--chart", "pdf"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QFile pdf(out.file("NodeTrafficGraph_5_12_2004.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_EQ(pdf.read(5), "%PDF-");
}

TEST_F(ChartCommand, BadChartOptionsAreUsageErrorsThatWriteNothing) {
    const struct {
        QStringList options;
        const char* error;
    } cases[] = {
        {{"--chart", "gif"}, "Unknown chart format (bmp, png or pdf): gif"},
        {{"--chart", "png", "--chart-size", "0x700"}, "Not a chart size (WxH): 0x700"},
        {{"--chart", "png", "--chart-size", "1200"}, "Not a chart size (WxH): 1200"},
        {{"--chart", "png", "--chart-size", "20000x700"}, "Not a chart size (WxH): 20000x700"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options.join(' ').toStdString());
        const auto run = runReportTool(base() + QStringList{"--report", "all"} + c.options);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.contains(QLatin1String(c.error))) << run.err.toStdString();
        EXPECT_TRUE(written().isEmpty());
    }
}

TEST_F(ChartCommand, APictureThatCannotBeWrittenIsAFailureNamingTheFile) {
    // A folder in the way of the picture's name stops even a privileged user.
    const QString blocked = out.file("PortAvailabilityGraph_5_12_2004.png");
    ASSERT_TRUE(QDir().mkpath(blocked));
    const auto run = runReportTool(base() + QStringList{"--report", "all", "--chart", "png"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("Unable to write " + blocked + ": ")) << run.err.toStdString();
    // The run stops at the failure: no later report, no stray temporary file.
    EXPECT_EQ(written(), QStringList{"PortAvailabilitySummary_5_12_2004.csv"});
    EXPECT_TRUE(QDir(blocked).isEmpty());
}

}  // namespace
