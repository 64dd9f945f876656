// Work run off the user-interface thread: the windows' timers and painting go
// on meanwhile, and the call returns once the work has ended.
#include <gtest/gtest.h>

#include <QApplication>
#include <QThread>
#include <QTimer>
#include <atomic>

#include "windowkit/WorkWhilePainting.h"

namespace {

using varnel::windowkit::runWhilePainting;

TEST(WorkWhilePaintingTest, TimersGoOnUntilTheWorkOnItsOwnThreadHasEnded) {
    std::atomic<int> ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start(1);

    bool offTheUserInterfaceThread = false;
    bool ended = false;
    runWhilePainting([&] {
        offTheUserInterfaceThread = QThread::currentThread() != qApp->thread();
        // The user-interface thread's timer ticks while the work waits for it.
        for (int waited = 0; ticks < 3 && waited < 10000; ++waited) QThread::msleep(1);
        ended = true;
    });
    EXPECT_TRUE(ended);
    EXPECT_TRUE(offTheUserInterfaceThread);
    EXPECT_GE(ticks, 3);
}

}  // namespace
