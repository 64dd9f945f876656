// The benchmarks' instruments: the event-loop stall watch, the peak memory
// of stretches of work and the progress bar watch.
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QProgressBar>
#include <QTest>
#include <chrono>
#include <thread>
#include <vector>

#include "bench/EventLoopStalls.h"
#include "bench/PeakMemory.h"
#include "bench/ProgressBarWatch.h"
#include "containers/AddressSanitizer.h"

namespace varnel::bench::test {
namespace {

using namespace std::chrono_literals;

TEST(StallWatch, ABlockedLoopIsAStallOnTheClockButASleepIsNoProcessorTime) {
    StallWatch watch(5);
    watch.start();
    QEventLoop loop;
    QTimer::singleShot(20, [] { std::this_thread::sleep_for(150ms); });
    QTimer::singleShot(100, &loop, &QEventLoop::quit);
    loop.exec();
    watch.stop();
    EXPECT_GE(watch.longestMilliseconds(), 150);
    EXPECT_GE(watch.longestEndedAtMilliseconds(), 170) << "the sleep began 20 ms in";
    EXPECT_LT(watch.longestCpuMilliseconds(), 75);
    EXPECT_GE(watch.turns(), 2) << "the loop turned before and after the sleep";
}

TEST(StallWatch, BusyWorkUpToStopIsAStallInProcessorTime) {
    StallWatch watch(5);
    watch.start();
    const double begun = threadCpuMilliseconds();
    while (threadCpuMilliseconds() - begun < 120) {
    }
    watch.stop();
    EXPECT_GE(watch.longestCpuMilliseconds(), 120);
    EXPECT_GE(watch.longestMilliseconds(), 120);
    EXPECT_GE(watch.longestCpuEndedAtMilliseconds(), 120);
    EXPECT_EQ(watch.turns(), 0) << "the loop never turned";
}

// The address sanitizer keeps freed memory resident in its quarantine, so a
// freed block never lowers the resident size there.
constexpr bool freedMemoryStaysResident = containers::underAddressSanitizer;

TEST(PeakMemory, AStretchStartsBelowTheLastPeakWhichTheWholeRunKeeps) {
    if (freedMemoryStaysResident) GTEST_SKIP() << "freed memory stays resident under the address sanitizer";
    PeakMemory peaks;
    if (!peaks.stretchesAreSeparate()) GTEST_SKIP() << "this system cannot reset the peak";
    constexpr std::size_t megabytes = 128;
    {
        // Every page written, so that all of it is resident at once.
        const std::vector<char> block(megabytes << 20, 1);
        ASSERT_EQ(block[block.size() / 2], 1);
    }
    const double first = peaks.stretchMegabytes();
    peaks.startStretch();
    EXPECT_LT(peaks.stretchMegabytes(), first - megabytes / 2);
    EXPECT_GE(peaks.wholeRunMegabytes(), first);
}

TEST(ProgressBarWatch, CountsChangesAndEachValueOnceAcrossFiles) {
    QProgressBar bar;
    bar.setRange(0, 100);
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    ProgressBarWatch watch(bar);
    // The first file; a value set again is no change.
    for (int value : {10, 10, 50, 100}) bar.setValue(value);
    // The second file starts over and passes 50 again.
    bar.setRange(0, 200);
    for (int value : {0, 50, 150}) bar.setValue(value);
    EXPECT_EQ(watch.changes(), 6);
    EXPECT_EQ(watch.distinctValues(), 5);
    const long paints = watch.paints();
    bar.repaint();
    EXPECT_GT(watch.paints(), paints);
}

}  // namespace
}  // namespace varnel::bench::test
