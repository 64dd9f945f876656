#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/ProcessPriority.h"

namespace varnel::platform {
namespace {

TEST(ProcessPriority, BelowNormalIsAModestlyRaisedNiceValue) {
    EXPECT_GE(niceValueOf(BelowNormalPriorityClass), 5);
    EXPECT_LE(niceValueOf(BelowNormalPriorityClass), 10);
    EXPECT_GT(niceValueOf(IdlePriorityClass), niceValueOf(BelowNormalPriorityClass));
}

// Run in a child process so the test runner keeps its own priority.
TEST(ProcessPriority, LowersThePriorityAndNeverRaisesIt) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (!SetProcessPriority(BelowNormalPriorityClass)) _exit(1);
        if (getpriority(PRIO_PROCESS, 0) != niceValueOf(BelowNormalPriorityClass)) _exit(2);
        // Already lower than asked: stays where it is.
        if (setpriority(PRIO_PROCESS, 0, 15) != 0) _exit(3);
        if (!SetProcessPriority(BelowNormalPriorityClass)) _exit(4);
        _exit(getpriority(PRIO_PROCESS, 0) == 15 ? 0 : 5);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace varnel::platform
