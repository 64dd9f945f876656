// The help page of the current language, else the default page.
#include <gtest/gtest.h>

#include "TestFiles.h"
#include "shell/HelpPage.h"

using namespace varnel::shell;
using varnel::test::TempFolder;

namespace {

class HelpPageChoice : public ::testing::Test {
protected:
    void SetUp() override { defaultPage_ = folder_.write("varnel-traffic.htm", "<p>English</p>"); }

    QString pageFor(const QString& code) const { return helpPageFile(folder_.path(), "varnel-traffic", code); }

    TempFolder folder_;
    QString defaultPage_;
};

}  // namespace

// Language 1031 (German) has the code DEU.
TEST_F(HelpPageChoice, GermanTakesItsOwnPageOnlyWhenItExists) {
    EXPECT_EQ(pageFor("DEU"), defaultPage_);
    const QString german = folder_.write("varnel-traffic_DEU.htm", "<p>Deutsch</p>");
    EXPECT_EQ(pageFor("DEU"), german);
    EXPECT_EQ(pageFor(" DEU "), german);
    EXPECT_EQ(pageFor("FRA"), defaultPage_);
    // A code outside the table names no page.
    EXPECT_EQ(pageFor("ERROR"), defaultPage_);
}

TEST_F(HelpPageChoice, NoChosenLanguageMeansTheEnglishCode) {
    EXPECT_EQ(pageFor(""), defaultPage_);
    const QString english = folder_.write("varnel-traffic_ENU.htm", "<p>English (United States)</p>");
    EXPECT_EQ(pageFor(""), english);
    EXPECT_EQ(pageFor(QString::fromLatin1(defaultLanguageCode)), english);
}

TEST_F(HelpPageChoice, AFolderNamedLikeThePageIsNoPage) {
    ASSERT_TRUE(QDir(folder_.path()).mkdir("varnel-traffic_DEU.htm"));
    EXPECT_EQ(pageFor("DEU"), defaultPage_);
}

// The default page is named even when it is missing; the window says so.
TEST(HelpPage, TheDefaultPageIsNamedEvenWhenMissing) {
    TempFolder empty;
    EXPECT_EQ(helpPageFile(empty.path(), "varnel-traffic", "DEU"), empty.file("varnel-traffic.htm"));
}
