#include "shellwindows/AboutCommand.h"

namespace varnel::shellwindows {

AboutCommand::~AboutCommand() { delete window_.data(); }

void AboutCommand::show(QWidget& owner) {
    QWidget* ownerWindow = owner.window();
    if (!window_) {
        window_ = new AboutWindow(services_, ownerWindow);
    } else {
        window_->setParent(ownerWindow, window_->windowFlags());
    }
    window_->adjustSize();
    window_->move(ownerWindow->frameGeometry().center() - window_->rect().center());
    window_->exec();
    // Kept when its owner is closed: the next About command shows it again.
    if (window_) window_->setParent(nullptr, window_->windowFlags());
}

}  // namespace varnel::shellwindows
