// Fonts follow the current language: the languages of the font table give
// every control their font, every other language leaves the fonts alone.
#include <gtest/gtest.h>

#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include "shell/LanguagePackFiles.h"
#include "shellwindows/LocalizeFont.h"

using namespace varnel;
using namespace varnel::shellwindows;

namespace {

class LocalizeFontTest : public ::testing::Test {
protected:
    void SetUp() override { test::resetLanguage(); }
    void TearDown() override { test::resetLanguage(); }
};

}  // namespace

TEST_F(LocalizeFontTest, FontTableLanguagesGetTheirFamilyOthersKeepTheirs) {
    for (const auto& [langId, family] :
         {std::pair{1042, u"\uAD74\uB9BC"}, std::pair{1028, u"\u65B0\u7D30\u660E\u9AD4"},
          std::pair{1041, u"\uFF2D\uFF33 \uFF30\u30B4\u30B7\u30C3\u30AF"}, std::pair{2052, u"\u5B8B\u4F53"}}) {
        shell::setCurrentLanguage(langId);
        QFont font(QStringLiteral("DejaVu Sans"), 11);
        LocalizeFont(font);
        // Not installed here: the family is set all the same, nothing fails.
        EXPECT_EQ(font.family(), QString::fromUtf16(family)) << langId;
        EXPECT_EQ(font.pointSize(), 11) << langId;
    }
    for (int langId : {0, 1031, 1033, 4096}) {
        shell::setCurrentLanguage(langId);
        QFont font(QStringLiteral("DejaVu Sans"), 11);
        LocalizeFont(font);
        EXPECT_EQ(font.family(), "DejaVu Sans") << langId;
    }
}

TEST_F(LocalizeFontTest, EveryControlOfTheWindowTakesTheFont) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* label = new QLabel(QStringLiteral("text"), &window);
    auto* button = new QPushButton(QStringLiteral("OK"), &window);
    layout->addWidget(label);
    layout->addWidget(button);
    QFont bold = button->font();
    bold.setBold(true);
    button->setFont(bold);

    shell::setCurrentLanguage(1031);
    LocalizeFormFonts(window);
    EXPECT_FALSE(label->testAttribute(Qt::WA_SetFont));
    EXPECT_NE(label->font().family(), QString::fromUtf16(u"\u5B8B\u4F53"));

    shell::setCurrentLanguage(2052);
    LocalizeFormFonts(window);
    for (QWidget* widget : {&window, static_cast<QWidget*>(label), static_cast<QWidget*>(button)})
        EXPECT_EQ(widget->font().family(), QString::fromUtf16(u"\u5B8B\u4F53"));
    // Only the family changes.
    EXPECT_TRUE(button->font().bold());
}
