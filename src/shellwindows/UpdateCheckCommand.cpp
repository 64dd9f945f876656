#include "shellwindows/UpdateCheckCommand.h"

#include <QWidget>

#include "update/PublishedVersion.h"
#include "update/UpdateCheck.h"

namespace varnel::shellwindows {

UpdateCheckCommand::UpdateCheckCommand(shell::UpdateSite site, QString ownVersion, UpdateCheckServices services,
                                       QObject* parent)
    : QObject(parent), site_(std::move(site)), ownVersion_(std::move(ownVersion)), services_(std::move(services)) {}

void UpdateCheckCommand::CheckForUpdatedVersion(QWidget& window) {
    if (running_) return;
    running_ = true;
    window_ = &window;
    window.setCursor(Qt::WaitCursor);
    shell::GetPublishedVersion(shell::homePageAddress(site_), services_.timeout, *this,
                               [this](const QString& published) { tell(published); });
}

void UpdateCheckCommand::tell(const QString& publishedVersion) {
    if (window_) window_->unsetCursor();
    const shell::UpdateVerdict verdict = shell::judgeUpdate(ownVersion_, publishedVersion);
    const platform::UserMessage message = shell::updateCheckMessage(verdict, site_);
    if (verdict == shell::UpdateVerdict::UpdateAvailable) {
        if (services_.dialogs.confirm(message) && services_.openUrl) services_.openUrl(shell::homePageAddress(site_));
    } else {
        services_.dialogs.show(message);
    }
    running_ = false;
    emit finished();
}

}  // namespace varnel::shellwindows
