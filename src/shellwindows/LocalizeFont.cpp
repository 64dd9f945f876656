#include "shellwindows/LocalizeFont.h"

#include <QApplication>
#include <QFont>
#include <QWidget>

#include "shell/Localize.h"

namespace varnel::shellwindows {

namespace {

struct LanguageFont {
    int langId;
    const char16_t* family;
};

// Qt picks the glyphs of a script itself; what the language still needs is
// the family its users expect. The character sets of these fonts (129, 136,
// 128, 134) have no counterpart in Qt.
constexpr LanguageFont languageFonts[] = {
    {1042, u"\uAD74\uB9BC"},
    {1028, u"\u65B0\u7D30\u660E\u9AD4"},
    {1041, u"\uFF2D\uFF33 \uFF30\u30B4\u30B7\u30C3\u30AF"},
    {2052, u"\u5B8B\u4F53"},
};

}  // namespace

void LocalizeFont(QFont& font) {
    const int language = shell::currentLanguage();
    for (const LanguageFont& entry : languageFonts)
        if (entry.langId == language) font.setFamily(QString::fromUtf16(entry.family));
}

void LocalizeFormFonts(QWidget& window) {
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(&window);
    for (QWidget* widget : widgets) {
        QFont font = widget->font();
        LocalizeFont(font);
        if (font != widget->font()) widget->setFont(font);
    }
}

void LocalizeAllWindowFonts() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        LocalizeFormFonts(*window);
        window->update();
    }
}

}  // namespace varnel::shellwindows
