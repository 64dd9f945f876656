// frmAbout: the program's title, version, maker and legal lines, and the
// language menu. Its load runs once, when the window is made: captions,
// version, the language packs and the menu mnuSelectLanguage, which the
// label lblChangeLanguage opens. cmdOK only hides the window.
#pragma once

#include <QDialog>

#include "platform/UserMessage.h"

class QLabel;
class QMenu;

namespace varnel::shellwindows {

struct AboutWindowServices {
    platform::MessageSink& messages;
    // Where the language packs lie.
    QString dataFolder;
};

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(AboutWindowServices services, QWidget* parent = nullptr);

    // Makes the language the current one: its pack in use, the fonts of
    // every open window following it. Windows opened from now on take their
    // captions in it.
    void chooseLanguage(int langId);

private:
    void buildControls();
    void localize();
    void fillLanguageMenu(const QStringList& languages);
    void openLanguageMenu();

    AboutWindowServices services_;
    QLabel* lblChangeLanguage_ = nullptr;
    QMenu* mnuSelectLanguage_ = nullptr;
};

}  // namespace varnel::shellwindows
