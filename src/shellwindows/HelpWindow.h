// frmHelp: one local help page in the browser browserHelp, which fills the
// window above a small minimum size.
#pragma once

#include <QDialog>

class QTextBrowser;

namespace varnel::shellwindows {

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    // Shows pageFile; a missing file shows a line saying so.
    explicit HelpWindow(const QString& pageFile, QWidget* parent = nullptr);

    QTextBrowser& browser() const { return *browserHelp_; }

private:
    QTextBrowser* browserHelp_;
};

}  // namespace varnel::shellwindows
