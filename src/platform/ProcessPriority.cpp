#include "platform/ProcessPriority.h"

#include <sys/resource.h>

#include <algorithm>
#include <cerrno>

namespace varnel::platform {

int niceValueOf(unsigned priorityClass) {
    switch (priorityClass) {
        case IdlePriorityClass:
            return 19;
        case BelowNormalPriorityClass:
            return 5;
        default:
            return 0;
    }
}

bool SetProcessPriority(unsigned priorityClass) {
    errno = 0;
    const int current = getpriority(PRIO_PROCESS, 0);
    if (current == -1 && errno != 0) return false;
    const int wanted = std::max(current, niceValueOf(priorityClass));
    if (wanted == current) return true;
    return setpriority(PRIO_PROCESS, 0, wanted) == 0;
}

}  // namespace varnel::platform
