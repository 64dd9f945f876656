// "Check for updated version": asks the tool's home page for the published
// version without blocking the windows, with the hourglass over the window
// that asked, and tells the user the outcome; on an update, OK opens the
// home page in the desktop's browser.
#pragma once

#include <QObject>
#include <QPointer>
#include <QUrl>
#include <chrono>
#include <functional>

#include "update/UpdateSite.h"
#include "windowkit/UserDialogs.h"

class QWidget;

namespace varnel::shellwindows {

struct UpdateCheckServices {
    platform::UserDialogs& dialogs;
    std::function<void(const QUrl&)> openUrl;  // the desktop's browser
    // A page that has not arrived by then counts as unreachable.
    std::chrono::milliseconds timeout = std::chrono::seconds(10);
};

class UpdateCheckCommand : public QObject {
    Q_OBJECT
public:
    UpdateCheckCommand(shell::UpdateSite site, QString ownVersion, UpdateCheckServices services,
                       QObject* parent = nullptr);

    // Starts the check; while one runs a second is not started.
    void CheckForUpdatedVersion(QWidget& window);
    bool running() const { return running_; }

signals:
    // The check's message has been answered.
    void finished();

private:
    void tell(const QString& publishedVersion);

    shell::UpdateSite site_;
    QString ownVersion_;
    UpdateCheckServices services_;
    QPointer<QWidget> window_;
    bool running_ = false;
};

}  // namespace varnel::shellwindows
