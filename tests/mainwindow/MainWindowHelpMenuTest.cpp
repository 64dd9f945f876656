// The main window's Help menu and the update check at the end of start-up.
#include <QAction>
#include <QFileInfo>

#include "mainwindow/MainWindowFixture.h"

namespace varnel::app::test {

namespace {

class MainWindowHelpMenu : public MainWindowFixture {};

}  // namespace

TEST_F(MainWindowHelpMenu, ItemsWithoutTheirWindowsStayDisabled) {
    open();
    EXPECT_FALSE(control<QAction>("mnuHelpFile")->isEnabled());
    EXPECT_FALSE(control<QAction>("mnuCheckForUpdatedVersion")->isEnabled());
    EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(MainWindowHelpMenu, HelpAndTheUpdateCheckOpenOverTheMainWindow) {
    QList<QWidget*> helpOwners;
    QList<QWidget*> checkOwners;
    MainWindow& window = open({}, nullptr, [&](MainWindowServices& services) {
        services.showHelp = [&](QWidget& owner) { helpOwners << &owner; };
        services.checkForUpdatedVersion = [&](QWidget& owner) { checkOwners << &owner; };
    });
    auto* help = control<QAction>("mnuHelpFile");
    auto* check = control<QAction>("mnuCheckForUpdatedVersion");
    ASSERT_TRUE(help->isEnabled() && check->isEnabled());
    EXPECT_EQ(help->shortcut(), QKeySequence(QKeySequence::HelpContents));
    help->trigger();
    check->trigger();
    EXPECT_EQ(helpOwners, QList<QWidget*>{&window});
    EXPECT_EQ(checkOwners, QList<QWidget*>{&window});
}

TEST_F(MainWindowHelpMenu, TheBackgroundCheckRunsOnceAtTheEndOfStartUp) {
    int runs = 0;
    bool databaseReady = false;
    open({}, nullptr, [&](MainWindowServices& services) {
        services.backgroundUpdateCheck = [&]() -> std::optional<platform::UserMessage> {
            ++runs;
            databaseReady = QFileInfo::exists(session_->files.workingPath());
            return std::nullopt;
        };
    });
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(databaseReady);
    EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(MainWindowHelpMenu, AFailedBackgroundCheckIsShownAndStartUpEnds) {
    open({}, nullptr, [](MainWindowServices& services) {
        services.backgroundUpdateCheck = [] {
            return std::optional<platform::UserMessage>(platform::UserMessage(
                "Error 0 (no shell) in procedure CheckForUpdatedVersion_Background of Module modUpdateCheck"));
        };
    });
    EXPECT_EQ(dialogs_.texts(), QStringList{"Error 0 (no shell) in procedure CheckForUpdatedVersion_Background of "
                                            "Module modUpdateCheck"});
    EXPECT_TRUE(window_->isVisible());
}

}  // namespace varnel::app::test
