// The Help item of every window: opens the help window modally over its
// owner, on the page of the language then current.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace varnel::shellwindows {

// Where the help pages lie and which language is current.
struct HelpPages {
    QString dataFolder;
    QString programBaseName;  // the program's file name without extension
    // The current language's code; when empty, or when it gives an empty
    // text, the default language's.
    std::function<QString()> languageCode;
};

// The pages of the running program: its data folder and its own name.
HelpPages programHelpPages(std::function<QString()> languageCode);

// Opens a fresh help window over owner and waits until it is closed; the
// window is removed afterwards, so the page is chosen again each time.
void showHelpWindow(QWidget& owner, const HelpPages& pages);

}  // namespace varnel::shellwindows
