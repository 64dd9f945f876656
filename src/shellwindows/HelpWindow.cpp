#include "shellwindows/HelpWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "shell/EnglishStrings.h"
#include "shell/StringTable.h"
#include "windowkit/Twips.h"

namespace varnel::shellwindows {

namespace {

// Below this the window is not made smaller.
constexpr int minimumWidthTwips = 2500;
constexpr int minimumHeightTwips = 2400;
// Gaps between the window's edge and the browser: 50 twips at the sides and
// the bottom, 1 at the top.
constexpr int sideGapTwips = 50;
constexpr int topGapTwips = 1;
// A size that shows a page's paragraphs in full lines.
constexpr QSize openingSize(760, 680);

}  // namespace

HelpWindow::HelpWindow(const QString& pageFile, QWidget* parent)
    : QDialog(parent), browserHelp_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(shell::myLoadResString(7));
    setSizeGripEnabled(true);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);

    browserHelp_->setObjectName(QStringLiteral("browserHelp"));
    browserHelp_->setAccessibleName(shell::myLoadResString(32));
    browserHelp_->setOpenExternalLinks(true);

    const auto twipsX = [this](int twips) { return platform::twipsToPixels(twips, logicalDpiX()); };
    const auto twipsY = [this](int twips) { return platform::twipsToPixels(twips, logicalDpiY()); };
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(twipsX(sideGapTwips), twipsY(topGapTwips), twipsX(sideGapTwips), twipsY(sideGapTwips));
    layout->addWidget(browserHelp_);
    setMinimumSize(twipsX(minimumWidthTwips), twipsY(minimumHeightTwips));

    if (QFileInfo(pageFile).isFile()) {
        browserHelp_->setSource(QUrl::fromLocalFile(pageFile));
    } else {
        browserHelp_->setPlainText(
            shell::myLoadResString(shell::helpPageMissingStringId).arg(QDir::toNativeSeparators(pageFile)));
    }

    QSize size = openingSize;
    if (const QScreen* screen = this->screen()) size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    resize(size.expandedTo(minimumSize()));
}

}  // namespace varnel::shellwindows
