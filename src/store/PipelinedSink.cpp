#include "store/PipelinedSink.h"

namespace varnel::store {

PipelinedSink::PipelinedSink(RowSink& target) : target_(target), worker_([this] { work(); }) {}

PipelinedSink::~PipelinedSink() {
    {
        std::lock_guard lock(mutex_);
        closing_ = true;
    }
    changed_.notify_all();
    if (worker_.joinable()) worker_.join();
}

void PipelinedSink::take(RowBatch& batch) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return queued_.size() < maxQueued || failure_; });
    if (failure_) {
        batch.clear();
        return;  // finish() reports it
    }
    RowBatch replacement;
    if (!free_.empty()) {
        replacement = std::move(free_.front());
        free_.pop_front();
    }
    queued_.push_back(std::move(batch));
    batch = std::move(replacement);
    batch.clear();
    lock.unlock();
    changed_.notify_all();
}

void PipelinedSink::finish() {
    {
        std::lock_guard lock(mutex_);
        closing_ = true;
    }
    changed_.notify_all();
    if (worker_.joinable()) worker_.join();
    if (failure_) std::rethrow_exception(failure_);
}

void PipelinedSink::work() {
    for (;;) {
        RowBatch batch;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [this] { return !queued_.empty() || closing_; });
            if (queued_.empty()) return;
            batch = std::move(queued_.front());
            queued_.pop_front();
        }
        try {
            if (!failure_) target_.take(batch);
        } catch (...) {
            std::lock_guard lock(mutex_);
            failure_ = std::current_exception();
        }
        batch.clear();
        {
            std::lock_guard lock(mutex_);
            free_.push_back(std::move(batch));
        }
        changed_.notify_all();
    }
}

}  // namespace varnel::store
