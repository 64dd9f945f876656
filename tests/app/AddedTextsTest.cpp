// Texts the program shows beyond its original string table follow the
// language in force like every other caption: the main window's database
// label, the grid's Copy and the help window's note on a missing page.
#include <QAction>
#include <QLabel>
#include <QTextBrowser>

#include "app/MainWindowFixture.h"
#include "shell/EnglishStrings.h"
#include "shell/LanguagePackFiles.h"
#include "shell/QmLanguagePack.h"
#include "shellwindows/HelpWindow.h"
#include "summarywindows/SummaryGridView.h"

namespace varnel::app::test {
namespace {

class AddedTexts : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        german_ = shell::QmLanguagePack::load(varnel::test::germanPack);
        ASSERT_NE(german_, nullptr);
        shell::setLanguagePack(german_);
    }
    void TearDown() override {
        MainWindowFixture::TearDown();
        varnel::test::resetLanguage();
    }
    QString german(int id) const { return german_->text(id).value_or(QString()); }

    std::shared_ptr<const shell::QmLanguagePack> german_;
};

TEST_F(AddedTexts, WindowsShowThemInTheLanguageInForce) {
    ASSERT_EQ(german(shell::workingDatabaseLabelStringId), QString::fromUtf8("Arbeitsdatenbank:"));
    open();
    EXPECT_EQ(control<QLabel>("lblDatabasePath")->text(), german(shell::workingDatabaseLabelStringId));

    summarywindows::SummaryGridView grid;
    EXPECT_EQ(grid.findChild<QAction*>(QStringLiteral("actionCopy"))->text(), QStringLiteral("Kopieren"));

    shellwindows::HelpWindow help(QStringLiteral("/no/such/folder/varnel-traffic.htm"));
    EXPECT_EQ(help.browser().toPlainText(),
              german(shell::helpPageMissingStringId).arg(QStringLiteral("/no/such/folder/varnel-traffic.htm")));
}

}  // namespace
}  // namespace varnel::app::test
