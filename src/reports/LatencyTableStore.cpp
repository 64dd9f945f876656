#include "reports/LatencyTableStore.h"

#include <chrono>
#include <exception>

#include "store/ReportDatabase.h"

namespace varnel::reports {

LatencyTableStore::LatencyTableStore() = default;

LatencyTableStore::~LatencyTableStore() {
    {
        std::unique_lock lock(mutex_);
        ending_ = true;
        cancel_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) thread_.join();
}

void LatencyTableStore::startThread() {
    if (!thread_.joinable()) thread_ = std::thread([this] { run(); });
}

void LatencyTableStore::store(const QString& connectionString, std::shared_ptr<const LatencyPairs> pairs) {
    {
        const std::lock_guard lock(mutex_);
        next_ = Job{connectionString, std::move(pairs), ++jobs_};
        failure_.reset();
        // A store under way is of an older table, which this one replaces.
        cancel_ = true;
        startThread();
    }
    wake_.notify_all();
}

void LatencyTableStore::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return ending_ || (next_ && pauses_ == 0); });
        if (ending_) return;
        Job job = *next_;
        storing_ = true;
        cancel_ = false;
        lock.unlock();

        bool ended = false;  // stored or failed, not cancelled
        std::optional<QString> failure;
        try {
            store::ReportDatabase db(job.connectionString);
            db.useFastRebuilds();
            ended = storeMessageLatency(db, *job.pairs, nullptr, &cancel_);
        } catch (const std::exception& e) {
            failure = QString::fromUtf8(e.what());
            ended = true;
        }
        job.pairs.reset();

        lock.lock();
        storing_ = false;
        // The pairs go as soon as their table is stored; a cancelled store
        // begins again unless its table was replaced or forgotten meanwhile.
        if (ended && next_ && next_->number == job.number) {
            next_.reset();
            failure_ = std::move(failure);
        }
        idle_.notify_all();
    }
}

void LatencyTableStore::stopStoring(std::unique_lock<std::mutex>& lock) {
    cancel_ = true;
    idle_.wait(lock, [this] { return !storing_; });
}

std::optional<QString> LatencyTableStore::settle(const std::function<void()>& whileWaiting) {
    std::unique_lock lock(mutex_);
    while (next_) {
        if (!whileWaiting) {
            idle_.wait(lock, [this] { return !next_; });
            break;
        }
        if (idle_.wait_for(lock, std::chrono::milliseconds(waitStepMilliseconds), [this] { return !next_; })) break;
        lock.unlock();
        whileWaiting();
        lock.lock();
    }
    return std::exchange(failure_, std::nullopt);
}

void LatencyTableStore::discard() {
    std::unique_lock lock(mutex_);
    next_.reset();
    failure_.reset();
    stopStoring(lock);
}

bool LatencyTableStore::pending() const {
    const std::lock_guard lock(mutex_);
    return next_.has_value();
}

LatencyTableStore::Pause LatencyTableStore::pause() {
    std::unique_lock lock(mutex_);
    ++pauses_;
    stopStoring(lock);
    return Pause(this);
}

void LatencyTableStore::resume() {
    {
        const std::lock_guard lock(mutex_);
        --pauses_;
    }
    wake_.notify_all();
}

LatencyTableStore::Pause::Pause(Pause&& other) noexcept : store_(std::exchange(other.store_, nullptr)) {}

LatencyTableStore::Pause::~Pause() {
    if (store_) store_->resume();
}

}  // namespace varnel::reports
