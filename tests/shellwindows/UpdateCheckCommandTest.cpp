// "Check for updated version" against a local web server: the three
// messages, opening the home page, and pages that never come.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "shellwindows/LocalHttpServer.h"
#include "shellwindows/UpdateCheckCommand.h"
#include "windowkit/RecordingDialogs.h"

using namespace varnel;
using namespace varnel::shellwindows;
using namespace std::chrono_literals;

namespace {

const QString upToDate = "You have the most up to date version of this tool installed";
const QString unreachable = "Unable to contact application home page to check for version.";

QByteArray homePage(const QByteArray& version, qsizetype fillerBefore = 0) {
    return "<html><body>" + QByteArray(fillerBefore, ' ') +
           "<table><tr><td><b>Version</b></td><td><font face=\"Helvetica\">" + version +
           "</font></td></tr></table></body></html>";
}

class UpdateCheck : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(server_.isListening()); }

    // Runs the check of ownVersion against host and waits for its message.
    void check(const QString& ownVersion, const QString& host, std::chrono::milliseconds timeout = 5s) {
        UpdateCheckCommand command({host, "the test site"}, ownVersion,
                                   {dialogs_, [this](const QUrl& page) { opened_ << page; }, timeout});
        QSignalSpy finished(&command, &UpdateCheckCommand::finished);
        command.CheckForUpdatedVersion(window_);
        EXPECT_TRUE(command.running());
        EXPECT_EQ(window_.cursor().shape(), Qt::WaitCursor);
        ASSERT_TRUE(finished.wait(10000));
        EXPECT_FALSE(command.running());
        EXPECT_NE(window_.cursor().shape(), Qt::WaitCursor);
    }

    void checkAgainstServer(const QString& ownVersion) { check(ownVersion, server_.host()); }

    QString onlyMessage() const {
        EXPECT_EQ(dialogs_.messages.size(), 1u);
        return dialogs_.messages.empty() ? QString() : dialogs_.messages.front().text;
    }

    test::LocalHttpServer server_;
    app::test::RecordingDialogs dialogs_;
    QList<QUrl> opened_;
    QWidget window_;
};

}  // namespace

TEST_F(UpdateCheck, ANewerVersionIsOfferedAndOkOpensTheHomePage) {
    server_.servePage(homePage("2.1.40"));
    dialogs_.confirmAnswer = true;
    checkAgainstServer("2.1.37");
    ASSERT_EQ(dialogs_.questions.size(), 1u);
    EXPECT_EQ(dialogs_.questions[0].title, "Updated version is available");
    EXPECT_TRUE(
        dialogs_.questions[0].text.startsWith("An updated version of this tool is available on the test site."));
    ASSERT_EQ(opened_.size(), 1);
    EXPECT_EQ(opened_[0].toString(), "http://" + server_.host() + "/App_VarnelReports.htm");
    EXPECT_TRUE(server_.request.startsWith("GET /App_VarnelReports.htm HTTP/1.1\r\n"));
    EXPECT_TRUE(server_.request.contains("User-Agent: HTTP Generic\r\n"));
}

TEST_F(UpdateCheck, CancelLeavesTheHomePageClosed) {
    server_.servePage(homePage("2.10.0"));
    checkAgainstServer("2.9.0");
    EXPECT_EQ(dialogs_.questions.size(), 1u);
    EXPECT_TRUE(opened_.isEmpty());
}

TEST_F(UpdateCheck, AnEqualOrOlderPublishedVersionIsUpToDate) {
    for (const char* published : {"2.1.37", "2.1.9", "2.9.0"}) {
        dialogs_.messages.clear();
        server_.servePage(homePage(published));
        checkAgainstServer("2.10.0");
        EXPECT_EQ(onlyMessage(), upToDate) << published;
    }
    EXPECT_TRUE(dialogs_.questions.empty());
    EXPECT_TRUE(opened_.isEmpty());
}

TEST_F(UpdateCheck, AVersionFarDownALongPageIsRead) {
    server_.servePage(homePage("3.0.0", 200000));
    checkAgainstServer("2.1.37");
    EXPECT_EQ(dialogs_.questions.size(), 1u);
}

TEST_F(UpdateCheck, PagesWithoutAVersionCannotBeChecked) {
    for (const QByteArray& page :
         {QByteArray("<html><body>Maintenance until 12:00.</body></html>"), QByteArray(), homePage("soon")}) {
        dialogs_.messages.clear();
        server_.servePage(page);
        checkAgainstServer("2.1.37");
        EXPECT_TRUE(onlyMessage().startsWith(unreachable)) << page.toStdString();
        EXPECT_TRUE(onlyMessage().contains("the test site"));
    }
}

TEST_F(UpdateCheck, AnErrorPageIsNoPublishedVersion) {
    server_.servePage(homePage("9.0.0"), "404 Not Found");
    checkAgainstServer("2.1.37");
    EXPECT_TRUE(onlyMessage().startsWith(unreachable));
    EXPECT_TRUE(dialogs_.questions.empty());
}

TEST_F(UpdateCheck, AClosedPortCannotBeContacted) {
    const QString host = server_.host();
    server_.close();
    check("2.1.37", host);
    EXPECT_TRUE(onlyMessage().startsWith(unreachable));
}

TEST_F(UpdateCheck, AServerThatNeverAnswersTimesOutWhileTheWindowsStayAlive) {
    server_.silent = true;
    int ticks = 0;
    QTimer heartbeat;
    QObject::connect(&heartbeat, &QTimer::timeout, [&ticks] { ++ticks; });
    heartbeat.start(20);
    check("2.1.37", server_.host(), 400ms);
    EXPECT_TRUE(onlyMessage().startsWith(unreachable));
    EXPECT_TRUE(server_.request.startsWith("GET "));
    // The event loop went on turning while the page was awaited.
    EXPECT_GE(ticks, 10);
}

TEST_F(UpdateCheck, ASecondCheckWhileOneRunsIsNotStarted) {
    server_.servePage(homePage("2.1.37"));
    UpdateCheckCommand command({server_.host(), "the test site"}, "2.1.37", {dialogs_, {}, 5s});
    QSignalSpy finished(&command, &UpdateCheckCommand::finished);
    command.CheckForUpdatedVersion(window_);
    command.CheckForUpdatedVersion(window_);
    ASSERT_TRUE(finished.wait(10000));
    QTest::qWait(200);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(onlyMessage(), upToDate);
}
