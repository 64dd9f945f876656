// The MessageLatency table of the desktop's last latency report, stored on a
// thread of its own once the report's rows are made, so that the report
// window shows its chart without waiting for SQLite's work. Each table is
// stored in one transaction: a store that is cancelled or fails leaves the
// table as it was, never half of it.
//
// The other users of the working database keep out of the store's way:
// whoever reads MessageLatency (or copies the whole database) settles the
// store first, waiting for the table; every other user holds a Pause while
// it works, which rolls back a store under way and lets it begin again once
// the last pause has ended.
#pragma once

#include <QString>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "reports/LatencyTable.h"

namespace varnel::reports {

class LatencyTableStore {
public:
    LatencyTableStore();
    // A store under way is rolled back and its thread ended: the table stays
    // as it was before it.
    ~LatencyTableStore();
    LatencyTableStore(const LatencyTableStore&) = delete;
    LatencyTableStore& operator=(const LatencyTableStore&) = delete;

    // Stores the pairs into the database at connectionString, in place of
    // a table not stored yet (a store of it under way is rolled back).
    void store(const QString& connectionString, std::shared_ptr<const LatencyPairs> pairs);

    // Waits until no table waits to be stored. whileWaiting, when given, is
    // called on the waiting thread about every waitStepMilliseconds meanwhile
    // (to keep the windows turning). Returns the failure of the last store,
    // once: the table then stays as it was before it.
    std::optional<QString> settle(const std::function<void()>& whileWaiting = {});

    // Forgets a table not stored yet, rolling back a store under way: the
    // database is about to be made afresh.
    void discard();

    // Whether a table waits to be stored or is being stored.
    bool pending() const;

    // Keeps the store from the database while it lives. Made by pause().
    class Pause {
    public:
        Pause() = default;  // keeps nothing from the database
        Pause(Pause&& other) noexcept;
        Pause& operator=(Pause&&) = delete;
        ~Pause();

    private:
        friend class LatencyTableStore;
        explicit Pause(LatencyTableStore* store) : store_(store) {}
        LatencyTableStore* store_ = nullptr;
    };
    // Rolls back a store under way and waits for it to let go of the
    // database; the store begins again when the last pause ends.
    Pause pause();

    static constexpr int waitStepMilliseconds = 20;

private:
    struct Job {
        QString connectionString;
        std::shared_ptr<const LatencyPairs> pairs;
        uint64_t number = 0;
    };

    void run();
    void startThread();
    // With the lock held: rolls back a store under way and waits until the
    // thread is between stores.
    void stopStoring(std::unique_lock<std::mutex>& lock);
    void resume();

    mutable std::mutex mutex_;
    std::condition_variable wake_;  // a job, a resume or the end
    std::condition_variable idle_;  // a store has ended
    std::optional<Job> next_;
    std::optional<QString> failure_;
    uint64_t jobs_ = 0;
    int pauses_ = 0;
    bool storing_ = false;
    bool ending_ = false;
    std::atomic<bool> cancel_{false};
    std::thread thread_;
};

}  // namespace varnel::reports
