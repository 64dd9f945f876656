// Texts the main window shows beyond the original string table follow the
// language in force like every other caption.
#include <QLabel>

#include "mainwindow/MainWindowFixture.h"
#include "shell/EnglishStrings.h"
#include "shell/LanguagePackFiles.h"
#include "shell/QmLanguagePack.h"

namespace varnel::app::test {
namespace {

class AddedTexts : public MainWindowFixture {
protected:
    void TearDown() override {
        MainWindowFixture::TearDown();
        varnel::test::resetLanguage();
    }
};

TEST_F(AddedTexts, TheDatabaseLabelIsInTheLanguageInForce) {
    shell::setLanguagePack(shell::QmLanguagePack::load(varnel::test::germanPack).pack);
    open();
    EXPECT_EQ(control<QLabel>("lblDatabasePath")->text(), QString::fromUtf8("Arbeitsdatenbank:"));
}

}  // namespace
}  // namespace varnel::app::test
