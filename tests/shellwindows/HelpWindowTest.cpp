// The help window: its page, its layout, and the Help command that opens a
// fresh window over its owner each time.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTextBrowser>
#include <QTimer>

#include "TestFiles.h"
#include "shell/LanguagePackFiles.h"
#include "shell/QmLanguagePack.h"
#include "shell/StringTable.h"
#include "shellwindows/HelpCommand.h"
#include "shellwindows/HelpWindow.h"

using namespace varnel;
using namespace varnel::shellwindows;
using varnel::test::TempFolder;

namespace {

QString pageOf(const HelpWindow& window) { return window.browser().source().toLocalFile(); }

// Opens the help over owner and notes what the open window shows.
struct OpenedHelp {
    QString page;
    QString text;
    QWidget* parent = nullptr;
    bool modal = false;
};

OpenedHelp openHelp(QWidget& owner, const HelpPages& pages) {
    OpenedHelp seen;
    QTimer::singleShot(0, [&seen] {
        auto* window = qobject_cast<HelpWindow*>(QApplication::activeModalWidget());
        if (!window) return;
        seen = {pageOf(*window), window->browser().toPlainText(), window->parentWidget(), window->isModal()};
        window->close();
    });
    showHelpWindow(owner, pages);
    return seen;
}

}  // namespace

TEST(HelpWindow, ShowsThePageInBrowserHelp) {
    TempFolder folder;
    const QString page = folder.write("varnel-traffic.htm", "<html><body><h1>Load Data</h1></body></html>");
    HelpWindow window(page);
    EXPECT_EQ(window.objectName(), "frmHelp");
    EXPECT_EQ(window.windowTitle(), shell::myLoadResString(7));
    auto* browser = window.findChild<QTextBrowser*>("browserHelp");
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->accessibleName(), "Help");
    EXPECT_EQ(pageOf(window), page);
    EXPECT_EQ(browser->toPlainText(), "Load Data");
}

TEST(HelpWindow, AMissingPageIsNamedInTheLanguageInForce) {
    TempFolder folder;
    HelpWindow window(folder.file("varnel-traffic.htm"));
    EXPECT_TRUE(window.browser().toPlainText().contains("varnel-traffic.htm cannot be found"));

    shell::setLanguagePack(shell::QmLanguagePack::load(varnel::test::germanPack).pack);
    HelpWindow german(folder.file("varnel-traffic.htm"));
    varnel::test::resetLanguage();
    EXPECT_EQ(german.browser().toPlainText(), QStringLiteral("Die Hilfeseite %1 wurde nicht gefunden.")
                                                  .arg(QDir::toNativeSeparators(folder.file("varnel-traffic.htm"))));
}

TEST(HelpWindow, TheBrowserFillsTheWindowAboveTheMinimumSize) {
    TempFolder folder;
    HelpWindow window(folder.write("varnel-traffic.htm", "<p>x</p>"));
    window.show();
    // 2500 by 2400 twips at the screen's resolution.
    EXPECT_EQ(window.minimumSize(),
              QSize(qRound(2500 * window.logicalDpiX() / 1440.0), qRound(2400 * window.logicalDpiY() / 1440.0)));
    for (const QSize size : {QSize(300, 250), QSize(900, 700)}) {
        window.resize(size);
        QApplication::processEvents();
        const QRect browser = window.browser().geometry();
        EXPECT_LE(browser.left(), 4);
        EXPECT_LE(browser.top(), 1);
        EXPECT_GE(browser.width(), window.width() - 8);
        EXPECT_GE(browser.height(), window.height() - 5);
    }
    window.resize(10, 10);
    QApplication::processEvents();
    EXPECT_EQ(window.size(), window.minimumSize());
}

TEST(HelpCommand, OpensAFreshModalWindowOnThePageOfTheCurrentLanguage) {
    TempFolder folder;
    const QString english = folder.write("varnel-traffic.htm", "<p>English page</p>");
    QString code;
    const HelpPages pages{folder.path(), "varnel-traffic", [&code] { return code; }};
    QWidget owner;
    owner.show();

    OpenedHelp seen = openHelp(owner, pages);
    EXPECT_EQ(seen.page, english);
    EXPECT_EQ(seen.parent, &owner);
    EXPECT_TRUE(seen.modal);
    EXPECT_EQ(owner.findChildren<HelpWindow*>().size(), 0) << "closing the window removes it";

    // German without its page: the English one; with it: the German one.
    code = "DEU";
    EXPECT_EQ(openHelp(owner, pages).page, english);
    const QString german = folder.write("varnel-traffic_DEU.htm", "<p>Deutsche Seite</p>");
    seen = openHelp(owner, pages);
    EXPECT_EQ(seen.page, german);
    EXPECT_EQ(seen.text, "Deutsche Seite");
}

TEST(HelpCommand, WithoutALanguageSourceTheDefaultLanguageIsUsed) {
    TempFolder folder;
    folder.write("varnel-traffic.htm", "<p>default</p>");
    const QString english = folder.write("varnel-traffic_ENU.htm", "<p>English</p>");
    QWidget owner;
    EXPECT_EQ(openHelp(owner, {folder.path(), "varnel-traffic", {}}).page, english);
}

// The pages the program ships: both exist and name every part of the program.
TEST(HelpPages, TheShippedPagesCoverTheProgramInBothLanguages) {
    const QDir help(QStringLiteral(VARNEL_SOURCE_DIR "/help"));
    const struct {
        const char* file;
        QStringList words;
    } pages[] = {
        {"varnel-traffic.htm",
         {"Browse...", "Load Data", "Port Availability", "Message Queue Activity", "Message Latency",
          "Node Message Traffic", "Non-delivery Notifications", "Zoom", "Print Chart", "Save Chart to Bitmap",
          "Save as CSV file", "varnel-report", "--language", "--chart-size"}},
        {"varnel-traffic_DEU.htm",
         {"Durchsuchen", "Load Data", "Port Availability", "Message Queue Activity", "Message Latency",
          "Node Message Traffic", "Non-delivery Notifications", "Zoom", "Print Chart", "varnel-report", "--language",
          "Größe", "Verzögerung"}},
    };
    for (const auto& page : pages) {
        QTextBrowser browser;
        browser.setSource(QUrl::fromLocalFile(help.filePath(page.file)));
        const QString text = browser.toPlainText();
        EXPECT_GT(text.size(), 4000) << page.file;
        for (const QString& word : page.words)
            EXPECT_TRUE(text.contains(word)) << page.file << ": " << word.toStdString();
    }
}
