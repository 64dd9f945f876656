#include "session/LoadRunner.h"

#include "shell/StringTable.h"

namespace varnel::app {

// Passes the parser's reports on as the runner's signals.
class LoadRunner::Observer : public ingest::ParseObserver {
public:
    explicit Observer(LoadRunner& runner) : runner_(runner) {}

    void show(const platform::UserMessage& message) override {
        emit runner_.messageRaised(message.text, message.title, static_cast<int>(message.icon));
    }
    void fileStarted(const QString& path, int64_t lineCount) override {
        ++file_;
        runner_.setProgress(file_, 0);
        emit runner_.fileStarted(file_, path, lineCount);
    }
    void progress(int64_t linesDone) override { runner_.setProgress(file_, linesDone); }
    void fileFinished() override { emit runner_.fileFinished(file_); }

private:
    LoadRunner& runner_;
    int file_ = 0;
};

LoadRunner::LoadRunner(QObject* parent) : QObject(parent) {}

LoadRunner::~LoadRunner() {
    cancel();
    if (thread_) thread_->wait();
}

void LoadRunner::start(ingest::LoadRequest request, store::DataFiles files, ingest::IngestState& state) {
    if (thread_) thread_->wait();
    setProgress(0, 0);
    cancel_.store(false);
    request.cancel = &cancel_;
    thread_.reset(QThread::create([this, request = std::move(request), files = std::move(files), &state] {
        Observer observer(*this);
        try {
            result_ = ingest::loadDays(request, files, state, observer);
        } catch (const std::exception& e) {
            // Nothing may escape the thread; a load that broke off is handled
            // like a database that could not be written.
            observer.show({shell::myLoadResString(21) + QString::fromUtf8(e.what())});
            result_ = {};
        }
        emit loadFinished();
    }));
    thread_->start();
}

void LoadRunner::setProgress(int file, int64_t linesDone) {
    progress_.store((static_cast<int64_t>(file) << lineBits) | linesDone, std::memory_order_relaxed);
}

LoadRunner::FileProgress LoadRunner::progress() const {
    const int64_t packed = progress_.load(std::memory_order_relaxed);
    return {static_cast<int>(packed >> lineBits), packed & ((int64_t{1} << lineBits) - 1)};
}

}  // namespace varnel::app
