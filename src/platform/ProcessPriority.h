// The priority of the program's own process, given as a Windows-style
// priority class and mapped to the nearest nice value.
#pragma once

namespace varnel::platform {

enum PriorityClass : unsigned {
    IdlePriorityClass = 0x40,
    BelowNormalPriorityClass = 0x4000,
};

// The nice value that stands for a priority class (0 for an unknown class).
int niceValueOf(unsigned priorityClass);

// Sets the calling thread's nice value for the class; threads started later
// inherit it, so call it before any other thread starts. Only lowers the
// priority (raising it needs privileges); true when the nice value is now at
// least the class's value.
bool SetProcessPriority(unsigned priorityClass);

}  // namespace varnel::platform
