// Records the longest time between two turns of the user-interface thread's
// event loop while a piece of work runs, with a timer that fires on every
// turn it can: on the clock, and in processor time of that thread (what the
// stall would be on an otherwise idle machine; a busy one adds its waits).
// Nested loops (a modal window, a wait for a worker) count as turns too.
#pragma once

#include <time.h>

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>

namespace varnel::bench {

// The processor time this thread has used, in milliseconds.
inline double threadCpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

class StallWatch {
public:
    // intervalMs: how often a turn is looked for; the shortest gap it reports.
    explicit StallWatch(int intervalMs = 5) {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(intervalMs);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            ++turns_;
            tick();
        });
    }
    void start() {
        clock_.start();
        last_ = 0;
        lastCpu_ = threadCpuMilliseconds();
        turns_ = 0;
        longest_ = 0;
        longestEndedAt_ = 0;
        longestCpu_ = 0;
        longestCpuEndedAt_ = 0;
        timer_.start();
    }
    // The longest gaps, the last one up to now included.
    void stop() {
        tick();
        timer_.stop();
    }
    double longestMilliseconds() const { return longest_; }
    double longestCpuMilliseconds() const { return longestCpu_; }
    // When each of the two longest gaps ended, on the clock from start().
    double longestEndedAtMilliseconds() const { return longestEndedAt_; }
    double longestCpuEndedAtMilliseconds() const { return longestCpuEndedAt_; }
    // How often the timer fired.
    long turns() const { return turns_; }

private:
    void tick() {
        const qint64 now = clock_.nsecsElapsed();
        const double cpu = threadCpuMilliseconds();
        const double gap = static_cast<double>(now - last_) / 1e6;
        if (gap > longest_) {
            longest_ = gap;
            longestEndedAt_ = static_cast<double>(now) / 1e6;
        }
        if (cpu - lastCpu_ > longestCpu_) {
            longestCpu_ = cpu - lastCpu_;
            longestCpuEndedAt_ = static_cast<double>(now) / 1e6;
        }
        last_ = now;
        lastCpu_ = cpu;
    }
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 last_ = 0;
    double lastCpu_ = 0;
    double longest_ = 0;
    double longestEndedAt_ = 0;
    double longestCpu_ = 0;
    double longestCpuEndedAt_ = 0;
    long turns_ = 0;
};

}  // namespace varnel::bench
