// Window fonts that follow the current language: Korean, Chinese and
// Japanese get a font of their own; every other language keeps the fonts.
#pragma once

class QFont;
class QWidget;

namespace varnel::shellwindows {

// Sets the font of the current language on font; a font that is not
// installed is no error (Qt then draws with the nearest one it has).
void LocalizeFont(QFont& font);

// LocalizeFont on the font of the window and of every control in it.
void LocalizeFormFonts(QWidget& window);

// LocalizeFormFonts on every open window of the program, each repainted.
void LocalizeAllWindowFonts();

}  // namespace varnel::shellwindows
