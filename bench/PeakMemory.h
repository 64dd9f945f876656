// The peak resident memory of the benchmark process (VmHWM), read from
// /proc/self/status, and the peak of a stretch of work: the kernel's peak
// is reset at the stretch's start when /proc/self/clear_refs lets it.
#pragma once

#include <algorithm>
#include <fstream>
#include <string>

namespace varnel::bench {

// The peak resident memory of the process so far, in megabytes.
inline double peakMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word)
        if (word == "VmHWM:") {
            double kilobytes = 0;
            status >> kilobytes;
            return kilobytes / 1024.0;
        }
    return 0;
}

// Peaks of successive stretches and of the whole run. Where the peak cannot
// be reset, a stretch's peak is the process's peak so far.
class PeakMemory {
public:
    PeakMemory() { startStretch(); }

    // Ends the stretch before (its peak counts for the whole run) and starts
    // the next one at the memory in use now.
    void startStretch() {
        wholeRun_ = std::max(wholeRun_, peakMegabytes());
        std::ofstream clear("/proc/self/clear_refs");
        clear << "5" << std::flush;
        resets_ = static_cast<bool>(clear);
    }
    // The peak since startStretch.
    double stretchMegabytes() const { return peakMegabytes(); }
    // The peak since the process started.
    double wholeRunMegabytes() const { return std::max(wholeRun_, peakMegabytes()); }
    bool stretchesAreSeparate() const { return resets_; }

private:
    double wholeRun_ = 0;
    bool resets_ = false;
};

}  // namespace varnel::bench
