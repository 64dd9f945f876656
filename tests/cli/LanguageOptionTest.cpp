// varnel-report --language: the pack's texts in what the tool writes, an
// unknown code as a usage error naming the packs that exist, and a pack that
// cannot be used as a failure with its reason.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "DamagedPack.h"
#include "ReportTool.h"
#include "TestFiles.h"
#include "commandline/CliOptions.h"
#include "commandline/ExitCodes.h"

using namespace varnel;
using test::runReportTool;

namespace {

constexpr std::string_view day12 =
    "5/12/2004 10:00:00,INCOMING,1,40,1\r\n"
    "5/12/2004 10:00:30,NEW OUTGOING MESSAGE,512,3001,{A},OK,100,1,100\r\n"
    "5/12/2004 10:01:00,DISCONNECT,1\r\n";

// A copy of the tool in a folder of its own, with the packs beside it that
// the test puts there.
class ToolWithPacks {
public:
    ToolWithPacks() { QFile::copy(QStringLiteral(VARNEL_REPORT_EXE), program()); }
    QString program() const { return folder.file("varnel-report"); }
    test::ToolRun run(const QStringList& arguments) const { return test::runReportTool(arguments, program()); }
    test::TempFolder folder;
};

QByteArray germanPack() {
    QFile file(QStringLiteral(VARNEL_REPORT_EXE).section('/', 0, -2) + "/brandingres_DEU.qm");
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString firstLine(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readLine()).trimmed();
}

}  // namespace

TEST(LanguageOption, TakesAPackThatExistsInAnyLetterCase) {
    const QStringList base{"varnel-report", "--logs", "/logs"};
    const auto exact = cli::parseCommandLine(base + QStringList{"--language", "DEU"}, {"DEU", "FRA"});
    ASSERT_TRUE(exact.options);
    EXPECT_EQ(exact.options->language, "DEU");
    const auto lower = cli::parseCommandLine(base + QStringList{"--language", "deu"}, {"DEU"});
    ASSERT_TRUE(lower.options);
    EXPECT_EQ(lower.options->language, "DEU");
    const auto none = cli::parseCommandLine(base, {"DEU"});
    ASSERT_TRUE(none.options);
    EXPECT_TRUE(none.options->language.isEmpty());

    const auto unknown = cli::parseCommandLine(base + QStringList{"--language", "ITA"}, {"DEU", "FRA"});
    EXPECT_FALSE(unknown.options);
    EXPECT_EQ(unknown.exitCode, cli::exitBadArguments);
    EXPECT_TRUE(unknown.error.startsWith("Unknown language: ITA (language packs: DEU, FRA)"))
        << unknown.error.toStdString();
    const auto noPacks = cli::parseCommandLine(base + QStringList{"--language", "DEU"}, {});
    EXPECT_EQ(noPacks.exitCode, cli::exitBadArguments);
    EXPECT_TRUE(noPacks.error.contains("no language pack is installed")) << noPacks.error.toStdString();
}

TEST(LanguageOption, GermanRunWritesGermanMessagesAndHeaders) {
    test::TempFolder logs, data, out;
    logs.write("CallLog_20040512.log", day12);
    const auto run = runReportTool({"--logs", logs.path(), "--data-dir", data.path(), "--out-dir", out.path(),
                                    "--report", "all", "--language", "DEU"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QString::fromUtf8("Verkehrsdaten in den Protokollen gefunden für 05/12/2004 Wednesday\n"
                                         "Eingehende Anrufe=1\nAusgehende Anrufe=0\n"
                                         "Zugestellte eingehende Nachrichten=0\n"
                                         "Zugestellte ausgehende Nachrichten=1\n"
                                         // Fixed texts of the summary, not from the string table.
                                         "Inbound NDNs=0\nOutbound NDNs=0\n"));
    EXPECT_EQ(firstLine(out.file("PortAvailabilitySummary_5_12_2004.csv")),
              QString::fromUtf8("Stunde, Max. belegte Ports, Min. freie Ports für Anrufe"));
    EXPECT_EQ(firstLine(out.file("NodeTrafficSummary_5_12_2004.csv")),
              QString::fromUtf8("Knotentyp, Knoten-ID, Eingehende Nachrichten, Größe eingehender Nachrichten (MB), "
                                "Ausgehende Nachrichten, Größe ausgehender Nachrichten (MB)"));
    // The same run in English, for comparison.
    const auto english = runReportTool(
        {"--logs", logs.path(), "--data-dir", data.path(), "--out-dir", out.path(), "--report", "port-availability"});
    ASSERT_EQ(english.exitCode, 0);
    EXPECT_TRUE(english.out.startsWith("Traffic information found in logs for "));
    EXPECT_EQ(firstLine(out.file("PortAvailabilitySummary_5_12_2004.csv")),
              "Hour, Max ports in use, Minimum ports available to take calls");
}

TEST(LanguageOption, UnknownCodeIsAUsageErrorNamingThePacks) {
    test::TempFolder logs, data;
    logs.write("CallLog_20040512.log", day12);
    const auto run = runReportTool({"--logs", logs.path(), "--data-dir", data.path(), "--language", "XYZ"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.startsWith("Unknown language: XYZ (language packs: DEU)")) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
}

TEST(LanguageOption, APackIsReadUnderTheNameItWasFoundBy) {
    test::TempFolder logs, data;
    logs.write("CallLog_20040512.log", day12);
    const ToolWithPacks tool;
    const QByteArray german = germanPack();
    ASSERT_FALSE(german.isEmpty());
    tool.folder.write("BrandingRes_DEU.qm", german.toStdString());
    const auto run = tool.run({"--logs", logs.path(), "--data-dir", data.path(), "--language", "deu"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith(QString::fromUtf8("Verkehrsdaten in den Protokollen gefunden")))
        << run.out.toStdString();
}

TEST(LanguageOption, APackThatCannotBeUsedIsAFailureWithItsReason) {
    test::TempFolder logs, data;
    logs.write("CallLog_20040512.log", day12);
    const ToolWithPacks tool;
    const QByteArray damaged = test::withDamagedMessages(germanPack());
    const QString pack = tool.folder.write("brandingres_DEU.qm", damaged.toStdString());
    const auto run = tool.run({"--logs", logs.path(), "--data-dir", data.path(), "--language", "DEU"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "The language pack " + pack + " cannot be read: its table of messages is damaged\n");
    EXPECT_TRUE(run.out.isEmpty());

    // A pack that leads to a device is refused at once, not read for ever.
    ASSERT_TRUE(QFile::remove(pack));
    ASSERT_TRUE(QFile::link("/dev/zero", pack));
    const auto device = tool.run({"--logs", logs.path(), "--data-dir", data.path(), "--language", "DEU"});
    EXPECT_EQ(device.exitCode, 1);
    EXPECT_EQ(device.err, "The language pack " + pack + " cannot be read: it is a device, not a regular file\n");
}
