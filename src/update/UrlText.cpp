#include "update/UrlText.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace varnel::shell {

namespace {

// One download: owns its network access and its deadline, answers once and
// then removes itself. A child of the caller's context, so it ends with it.
class UrlTextDownload : public QObject {
public:
    UrlTextDownload(const QUrl& address, std::chrono::milliseconds timeout, QObject& context,
                    std::function<void(const std::optional<QString>&)> done)
        : QObject(&context), network_(new QNetworkAccessManager(this)), done_(std::move(done)) {
        QNetworkRequest request(address);
        request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("HTTP Generic"));
        reply_ = network_->get(request);
        connect(reply_, &QNetworkReply::readyRead, this, &UrlTextDownload::readAvailable);
        connect(reply_, &QNetworkReply::finished, this, &UrlTextDownload::replyFinished);
        auto* deadline = new QTimer(this);
        deadline->setSingleShot(true);
        connect(deadline, &QTimer::timeout, this, [this] { answer(std::nullopt); });
        deadline->start(timeout);
    }

private:
    void readAvailable() {
        page_ += reply_->read(maxPageBytes - page_.size());
        if (page_.size() >= maxPageBytes) answer(QString::fromLatin1(page_));
    }

    void replyFinished() {
        if (reply_->error() != QNetworkReply::NoError) return answer(std::nullopt);
        readAvailable();
        answer(QString::fromLatin1(page_));
    }

    void answer(const std::optional<QString>& page) {
        if (answered_) return;
        answered_ = true;
        reply_->disconnect(this);
        reply_->abort();
        deleteLater();
        // The answer may open a box with its own event loop; nothing of this
        // object is touched after it.
        const auto done = std::move(done_);
        done(page);
    }

    QNetworkAccessManager* network_;
    QNetworkReply* reply_;
    std::function<void(const std::optional<QString>&)> done_;
    QByteArray page_;
    bool answered_ = false;
};

}  // namespace

void GetUrlText(const QUrl& address, std::chrono::milliseconds timeout, QObject& context,
                std::function<void(const std::optional<QString>&)> done) {
    new UrlTextDownload(address, timeout, context, std::move(done));
}

}  // namespace varnel::shell
