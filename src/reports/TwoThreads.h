// Work split between this thread and one other: the machines the reports
// run on have two cores or more.
#pragma once

#include <cstdint>
#include <exception>
#include <thread>
#include <utility>

namespace varnel::reports {

// Runs work(0) on a thread of its own and work(1) on this one; what either
// throws is thrown once both have ended.
template <typename Work>
void onTwoThreads(const Work& work) {
    std::exception_ptr failure;
    std::thread other([&work, &failure] {
        try {
            work(0);
        } catch (...) {
            failure = std::current_exception();
        }
    });
    try {
        work(1);
    } catch (...) {
        other.join();
        throw;
    }
    other.join();
    if (failure) std::rethrow_exception(failure);
}

// The first or the second half of count items, as [begin, end).
template <typename Count>
std::pair<Count, Count> halfOf(Count count, int part) {
    const Count middle = count / 2;
    return part == 0 ? std::pair<Count, Count>{0, middle} : std::pair<Count, Count>{middle, count};
}

}  // namespace varnel::reports
