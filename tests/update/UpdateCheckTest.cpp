// The parts of the update check that need no network: the version order, the
// markers of the home page, the verdict and its messages, the address, and
// the start-up helper.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include "TestFiles.h"
#include "update/BackgroundUpdateCheck.h"
#include "update/PublishedVersion.h"
#include "update/UpdateCheck.h"
#include "update/VersionOrder.h"

using namespace varnel::shell;
using varnel::test::TempFolder;

namespace {

// The home page's version section as the site writes it.
QString homePage(const QString& version, const QString& before = {}, const QString& after = "</font></td>") {
    return before + "<tr><td>Current <b>version</b></td></tr><tr><td class=\"x\">Version</td><td>" +
           "<font face=\"Helvetica\">" + version + after + "</tr>";
}

}  // namespace

TEST(VersionOrder, ComparesEachNumberAsANumber) {
    EXPECT_LT(compareVersionTexts("2.9.0", "2.10.0"), 0);
    EXPECT_GT(compareVersionTexts("2.10.0", "2.9.0"), 0);
    EXPECT_LT(compareVersionTexts("2.1.37", "2.1.40"), 0);
    EXPECT_LT(compareVersionTexts("2.1.37", "2.10.0"), 0);
    EXPECT_LT(compareVersionTexts("1.99.99", "2.0.0"), 0);
    EXPECT_EQ(compareVersionTexts("2.1.37", "2.1.37"), 0);
    EXPECT_EQ(compareVersionTexts("2.1", "2.1.0"), 0);
    EXPECT_EQ(compareVersionTexts("02.01.037", "2.1.37"), 0);
    EXPECT_LT(compareVersionTexts("2.1", "2.1.1"), 0);
    // Numbers longer than any integer type still order.
    EXPECT_LT(compareVersionTexts("2.99999999999999999999", "2.100000000000000000000"), 0);
    // A trailing dot (the end of a sentence) adds nothing.
    EXPECT_EQ(compareVersionTexts("2.1.40.", "2.1.40"), 0);
}

TEST(PublishedVersion, ReadsTheRunOfDigitsAndDotsAfterTheMarkers) {
    EXPECT_EQ(publishedVersionIn(homePage("2.1.40")), "2.1.40");
    // Both markers ignore letter case.
    QString shouting = homePage("2.1.40");
    shouting.replace("Helvetica", "HELVETICA");
    EXPECT_EQ(publishedVersionIn(shouting), "2.1.40");
    // Digits right after the version belong to the run.
    EXPECT_EQ(publishedVersionIn(homePage("2.1.40", {}, "20040512</font>")), "2.1.4020040512");
    // A "Helvetica" before the version section is not the one.
    EXPECT_EQ(publishedVersionIn("<font face=\"Helvetica\">9.9.9</font>" + homePage("2.1.40")), "2.1.40");
}

TEST(PublishedVersion, MissingMarkersOrDigitsGiveNoVersion) {
    EXPECT_EQ(publishedVersionIn(""), "");
    // Character 11 onwards is a version-like run, but without the markers it
    // is no published version.
    EXPECT_EQ(publishedVersionIn("<p>Build: 2.1.40</p>"), "");
    EXPECT_EQ(publishedVersionIn("0123456789012345"), "");
    QString noFont = homePage("2.1.40");
    noFont.replace("Helvetica", "Arial");
    EXPECT_EQ(publishedVersionIn(noFont), "");
    EXPECT_EQ(publishedVersionIn(homePage("unknown")), "");
    EXPECT_EQ(publishedVersionIn(homePage("...")), "");
}

TEST(PublishedVersion, MarkersFarIntoALongPageAreFound) {
    const QString filler(40000, QLatin1Char(' '));
    EXPECT_EQ(publishedVersionIn(homePage("2.1.40", filler)), "2.1.40");
    EXPECT_EQ(publishedVersionIn(">version<" + filler + "Helvetica\">3.0.1"), "3.0.1");
}

TEST(UpdateVerdict, OffersAnUpdateOnlyForANewerPublishedVersion) {
    EXPECT_EQ(judgeUpdate("2.1.37", "2.1.40"), UpdateVerdict::UpdateAvailable);
    EXPECT_EQ(judgeUpdate("2.9.0", "2.10.0"), UpdateVerdict::UpdateAvailable);
    EXPECT_EQ(judgeUpdate("2.10.0", "2.9.0"), UpdateVerdict::UpToDate);
    EXPECT_EQ(judgeUpdate("2.1.37", "2.1.37"), UpdateVerdict::UpToDate);
    EXPECT_EQ(judgeUpdate("2.1.37", ""), UpdateVerdict::Unreachable);
}

TEST(UpdateVerdict, MessagesNameTheSite) {
    const UpdateSite site{"tools.example.invalid", "the Example tools site"};
    const auto unreachable = updateCheckMessage(UpdateVerdict::Unreachable, site);
    EXPECT_TRUE(unreachable.text.startsWith("Unable to contact application home page to check for version."));
    EXPECT_TRUE(unreachable.text.contains("the Example tools site"));
    EXPECT_TRUE(unreachable.title.isEmpty());
    const auto update = updateCheckMessage(UpdateVerdict::UpdateAvailable, site);
    EXPECT_EQ(update.title, "Updated version is available");
    EXPECT_EQ(update.text,
              "An updated version of this tool is available on the Example tools site.  Click OK to open the "
              "application home page now");
    EXPECT_EQ(updateCheckMessage(UpdateVerdict::UpToDate, site).text,
              "You have the most up to date version of this tool installed");
}

TEST(UpdateSite, TheHomePageLiesAtTheFixedPathOfTheHost) {
    EXPECT_EQ(homePageAddress({defaultUpdateHost, {}}).toString(), "http://tools.dravon.invalid/App_VarnelReports.htm");
    EXPECT_EQ(homePageAddress({"127.0.0.1:8080", {}}).toString(), "http://127.0.0.1:8080/App_VarnelReports.htm");
    EXPECT_EQ(homePageAddress({"https://tools.example/", {}}).toString(),
              "https://tools.example/App_VarnelReports.htm");
    EXPECT_TRUE(QString::fromLatin1(defaultUpdateHost).endsWith(".invalid"));
}

TEST(OwnVersion, TheOwnVersionTextJoinsTheThreeNumbers) {
    EXPECT_EQ(ownVersionText({2, 1, 37}), "2.1.37");
    EXPECT_EQ(ownVersionText({2, 10, 0}), "2.10.0");
    const QString own = ownVersionText(programVersion());
    EXPECT_EQ(publishedVersionIn(homePage(own)), own);
    EXPECT_EQ(judgeUpdate(own, own), UpdateVerdict::UpToDate);
}

TEST(BackgroundUpdateCheck, StartsTheHelperWithVersionAndAddressWithoutWaiting) {
    TempFolder data;
    // The helper notes its arguments and its folder, after a pause that
    // the program must not wait for.
    data.write("test.sh", "sleep 1\necho \"$1 $2 $(pwd)\" > arguments.txt\n");
    const QUrl page("http://tools.dravon.invalid/App_VarnelReports.htm");
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(CheckForUpdatedVersion_Background(data.path(), "2.1.37", page), std::nullopt);
    EXPECT_LT(clock.elapsed(), 900);

    QFile noted(data.file("arguments.txt"));
    while (!noted.exists() && clock.elapsed() < 10000) QThread::msleep(20);
    QThread::msleep(100);
    ASSERT_TRUE(noted.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(noted.readAll()).trimmed(), "2.1.37 " + page.toString() + " " + data.path());
}

TEST(BackgroundUpdateCheck, AMissingHelperIsNoError) {
    TempFolder data;
    EXPECT_EQ(CheckForUpdatedVersion_Background(data.path(), "2.1.37", QUrl("http://x.invalid/")), std::nullopt);
    EXPECT_EQ(QDir(data.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    // Nor is a folder of that name a helper.
    ASSERT_TRUE(QDir(data.path()).mkdir("test.sh"));
    EXPECT_EQ(CheckForUpdatedVersion_Background(data.path(), "2.1.37", QUrl("http://x.invalid/")), std::nullopt);
}
