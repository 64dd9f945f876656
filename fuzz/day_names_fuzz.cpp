// libFuzzer target: any bytes as a log file name and as a day entry.
#include <cstdio>
#include <cstdlib>

#include "FuzzInputs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string fault = varnel::fuzz::checkDayNames(data, size);
    if (!fault.empty()) {
        std::fprintf(stderr, "day name input broke a rule: %s\n", fault.c_str());
        std::abort();
    }
    return 0;
}
