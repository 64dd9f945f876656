// The About window: its captions, the language menu with no, one and two
// packs, one window for every About command, and the choice of a language
// that the windows opened afterwards follow.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <functional>

#include "DamagedPack.h"
#include "mainwindow/MainWindowFixture.h"
#include "shell/LanguagePackFiles.h"
#include "shellwindows/AboutCommand.h"
#include "windowkit/RecordingDialogs.h"

using namespace varnel;
using namespace varnel::shellwindows;

namespace {

// The About window that a command has open (modal), or nullptr.
AboutWindow* openAbout() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* about = qobject_cast<AboutWindow*>(window); about && about->isVisible()) return about;
    return nullptr;
}

// Runs action on the About window once the command has shown it, then
// closes it with OK, as the user would.
void whenShown(std::function<void(AboutWindow&)> action, int triesLeft = 200) {
    QTimer::singleShot(10, [action = std::move(action), triesLeft]() mutable {
        AboutWindow* about = openAbout();
        if (!about) {
            if (triesLeft > 0) whenShown(std::move(action), triesLeft - 1);
            return;
        }
        action(*about);
        QTest::mouseClick(about->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    });
}

QStringList captions(const QMenu& menu) {
    QStringList list;
    for (const QAction* item : menu.actions()) list << item->text();
    return list;
}

QStringList tags(const QMenu& menu) {
    QStringList list;
    for (const QAction* item : menu.actions()) list << item->data().toString();
    return list;
}

class AboutWindowTest : public ::testing::Test {
protected:
    void SetUp() override { test::resetLanguage(); }
    void TearDown() override { test::resetLanguage(); }

    // The language menu of a freshly loaded About window over the folder.
    QMenu* loadedMenu() {
        window_ = std::make_unique<AboutWindow>(AboutWindowServices{dialogs_, packs_.path()});
        return window_->findChild<QMenu*>("mnuSelectLanguage");
    }

    app::test::RecordingDialogs dialogs_;
    test::TempFolder packs_;
    std::unique_ptr<AboutWindow> window_;
};

}  // namespace

TEST_F(AboutWindowTest, ShowsTitleVersionAndLegalLinesWithoutPacks) {
    QMenu* menu = loadedMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(window_->objectName(), "frmAbout");
    EXPECT_EQ(window_->windowTitle(), "Varnel Traffic Analyzer");
    EXPECT_EQ(window_->findChild<QLabel*>("lblVersionTitle")->text(), "Version:");
    EXPECT_TRUE(QRegularExpression("^ \\d+\\.\\d+ Build \\d+$")
                    .match(window_->findChild<QLabel*>("lblVersion")->text())
                    .hasMatch())
        << window_->findChild<QLabel*>("lblVersion")->text().toStdString();
    for (const auto& [name, id] :
         {std::pair{"lblCompany", 95}, std::pair{"lblCopyright", 11}, std::pair{"lblLicense", 12},
          std::pair{"lblWarranty", 123}, std::pair{"lblDescription", 127}}) {
        const auto* label = window_->findChild<QLabel*>(name);
        ASSERT_NE(label, nullptr) << name;
        EXPECT_EQ(label->text(), shell::englishString(id)) << name;
    }
    const auto* change = window_->findChild<QLabel*>("lblChangeLanguage");
    EXPECT_TRUE(change->text().contains("Change Language"));
    EXPECT_EQ(change->accessibleName(), "Change Language");
    EXPECT_EQ(window_->findChild<QPushButton*>("cmdOK")->text(), "OK");
    EXPECT_EQ(menu->title(), "Select Language");

    EXPECT_EQ(captions(*menu), QStringList{"No languages loaded"});
    EXPECT_EQ(tags(*menu), QStringList{"1033"});
    for (const QAction* item : menu->actions()) EXPECT_EQ(item->objectName(), "mnuLanguageList");
    EXPECT_TRUE(dialogs_.messages.empty());
    EXPECT_EQ(shell::myLoadResString(42), "Load Data");

    // The label opens the menu.
    emit const_cast<QLabel*>(change)->linkActivated("#language");
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
}

TEST_F(AboutWindowTest, ShowsTheProductsLogoAndTheMakersMark) {
    loadedMenu();
    const auto* product = window_->findChild<QLabel*>("picLogo");
    const auto* maker = window_->findChild<QLabel*>("picMakerLogo");
    ASSERT_NE(product, nullptr);
    ASSERT_NE(maker, nullptr);
    EXPECT_EQ(product->accessibleName(), shell::englishString(7));
    EXPECT_EQ(maker->accessibleName(), shell::englishString(95));
    // The mark is drawn, sharp at its size: its pixels are not all one colour.
    const QImage mark = maker->pixmap().toImage();
    ASSERT_FALSE(mark.isNull());
    EXPECT_EQ(mark.size(), maker->size());
    EXPECT_NE(mark.pixel(mark.width() / 2, mark.height() / 2), mark.pixel(0, 0));
}

TEST_F(AboutWindowTest, MenuListsOneOrTwoPacksByLanguageName) {
    ASSERT_TRUE(test::placePack(packs_, test::germanPack, "brandingres_DEU.qm"));
    QMenu* menu = loadedMenu();
    EXPECT_EQ(captions(*menu), QStringList{"German (Germany)"});
    EXPECT_EQ(tags(*menu), QStringList{"1031"});

    ASSERT_TRUE(test::placePack(packs_, test::frenchPack, "brandingres_FRA.qm"));
    menu = loadedMenu();
    EXPECT_EQ(captions(*menu), (QStringList{"German (Germany)", "French (France)"}));
    EXPECT_EQ(tags(*menu), (QStringList{"1031", "1036"}));
    for (const QAction* item : menu->actions()) EXPECT_EQ(item->objectName(), "mnuLanguageList");
}

TEST_F(AboutWindowTest, ALowerCaseCodeSelectsEnglish) {
    ASSERT_TRUE(test::placePack(packs_, test::germanPack, "brandingres_deu.qm"));
    QMenu* menu = loadedMenu();
    EXPECT_EQ(captions(*menu), QStringList{"English (United States)"});
    EXPECT_EQ(tags(*menu), QStringList{"1033"});
    menu->actions().first()->trigger();
    EXPECT_EQ(shell::currentLanguage(), 1033);
    EXPECT_EQ(shell::myLoadResString(42), "Load Data");
}

TEST_F(AboutWindowTest, TwoCodesOfOneLanguageNameAreToldApart) {
    ASSERT_TRUE(test::placePack(packs_, test::frenchPack, "brandingres_ESN.qm"));
    ASSERT_TRUE(test::placePack(packs_, test::frenchPack, "brandingres_ESP.qm"));
    QMenu* menu = loadedMenu();
    EXPECT_EQ(captions(*menu), (QStringList{"Spanish (Spain) [ESN]", "Spanish (Spain) [ESP]"}));
    EXPECT_EQ(tags(*menu), (QStringList{"3082", "1034"}));
}

TEST_F(AboutWindowTest, ADamagedPackIsShownInABoxAndTheWindowStillLoads) {
    // The German pack with one byte of its messages changed, which crashed
    // Qt's lookup.
    QFile german(test::germanPack);
    ASSERT_TRUE(german.open(QIODevice::ReadOnly));
    const QByteArray damaged = test::withDamagedMessages(german.readAll());
    packs_.write("brandingres_DEU.qm", damaged.toStdString());
    shell::setCurrentLanguage(1031);
    QMenu* menu = loadedMenu();
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_TRUE(dialogs_.texts().first().startsWith("Error in InitalizeLanguages: the language pack "));
    EXPECT_TRUE(dialogs_.texts().first().endsWith(
        "brandingres_DEU.qm cannot be read: its table of messages is damaged; the English texts are used instead."))
        << dialogs_.texts().first().toStdString();
    EXPECT_EQ(shell::myLoadResString(42), "Load Data");
    EXPECT_EQ(captions(*menu), QStringList{"German (Germany)"});
    EXPECT_EQ(window_->findChild<QPushButton*>("cmdOK")->text(), "OK");
}

TEST_F(AboutWindowTest, SecondAboutCommandShowsTheSameWindowWithoutRebuildingTheMenu) {
    ASSERT_TRUE(test::placePack(packs_, test::germanPack, "brandingres_DEU.qm"));
    AboutCommand about({dialogs_, packs_.path()});
    QPointer<AboutWindow> first;
    QList<QAction*> firstItems;
    {
        QWidget owner;
        owner.show();
        whenShown([&](AboutWindow& window) {
            first = &window;
            firstItems = window.findChild<QMenu*>("mnuSelectLanguage")->actions();
            EXPECT_TRUE(window.isModal());
            EXPECT_EQ(window.parentWidget(), &owner);
        });
        about.show(owner);
        ASSERT_NE(first, nullptr);
        EXPECT_FALSE(first->isVisible());
    }
    // The window outlives the owner it was first shown over.
    ASSERT_NE(first, nullptr);

    // A pack added now is not picked up: the window is not loaded again.
    ASSERT_TRUE(test::placePack(packs_, test::frenchPack, "brandingres_FRA.qm"));
    QWidget otherOwner;
    otherOwner.show();
    AboutWindow* second = nullptr;
    whenShown([&](AboutWindow& window) {
        second = &window;
        EXPECT_EQ(window.findChild<QMenu*>("mnuSelectLanguage")->actions(), firstItems);
        EXPECT_EQ(window.parentWidget(), &otherOwner);
    });
    about.show(otherOwner);
    EXPECT_EQ(second, first.data());
    EXPECT_EQ(firstItems.size(), 1);
}

// Through the main window: its About item opens the window, and choosing
// German there makes the windows opened afterwards German.
class AboutFromMainWindow : public app::test::MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        test::resetLanguage();
    }
    void TearDown() override {
        MainWindowFixture::TearDown();
        test::resetLanguage();
    }
};

TEST_F(AboutFromMainWindow, ChoosingGermanMakesLaterWindowsGerman) {
    const test::TempFolder packs;
    ASSERT_TRUE(test::placePack(packs, test::germanPack, "brandingres_DEU.qm"));
    AboutCommand about({dialogs_, packs.path()});
    showAbout_ = [&about](QWidget& owner) { about.show(owner); };
    open();
    auto* item = control<QAction>("mnuAbout");
    ASSERT_TRUE(item->isEnabled());

    bool shown = false;
    whenShown([&](AboutWindow& window) {
        shown = true;
        EXPECT_EQ(window.parentWidget(), window_.get());
        QMenu* menu = window.findChild<QMenu*>("mnuSelectLanguage");
        ASSERT_EQ(captions(*menu), QStringList{"German (Germany)"});
        menu->actions().first()->trigger();
        // Windows already open keep their captions.
        EXPECT_EQ(window.findChild<QLabel*>("lblChangeLanguage")->accessibleName(), "Change Language");
        EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
    });
    item->trigger();
    EXPECT_TRUE(shown);
    EXPECT_EQ(shell::currentLanguage(), 1031);
    EXPECT_EQ(control<QPushButton>("cmdParseLogs")->text(), "Load Data");

    open();
    EXPECT_EQ(control<QPushButton>("cmdParseLogs")->text(), "Daten laden");
    EXPECT_EQ(window_->windowTitle(), "Varnel Traffic Analyzer");
    EXPECT_EQ(control<QAction>("mnuExit")->text(), "Beenden");
    // A freshly loaded About window is German too.
    const AboutWindow fresh({dialogs_, packs.path()});
    EXPECT_EQ(fresh.findChild<QLabel*>("lblChangeLanguage")->accessibleName(), QString::fromUtf8("Sprache ändern"));
    EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(AboutFromMainWindow, AboutItemIsDisabledWithoutAnAboutCommand) {
    open();
    EXPECT_FALSE(control<QAction>("mnuAbout")->isEnabled());
}
