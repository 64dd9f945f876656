// Hands full batches to another sink running on its own thread, so that
// parsing and database writing overlap. Batches are recycled, so a load
// allocates nothing per line.
#pragma once

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>

#include "store/RawRows.h"

namespace varnel::store {

class PipelinedSink : public RowSink {
public:
    // target is used only by the pipeline's thread until finish() returns.
    explicit PipelinedSink(RowSink& target);
    ~PipelinedSink() override;

    void take(RowBatch& batch) override;

    // Waits until every batch is written; rethrows the first failure of the
    // target.
    void finish();

private:
    void work();

    // Full batches waiting for the writer, about ten milliseconds of
    // parsing: where the parsing thread also gathers rows for reports its
    // pace varies (fresh memory, a new day), and with only a few batches
    // queued the writer ran dry and waited in its slow stretches. Each batch
    // holds half a megabyte or so, and the memory they took stays with the
    // program after the load, so the queue is kept no longer than that.
    static constexpr std::size_t maxQueued = 16;

    RowSink& target_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<RowBatch> queued_;
    std::deque<RowBatch> free_;
    bool closing_ = false;
    std::exception_ptr failure_;
    std::thread worker_;
};

}  // namespace varnel::store
