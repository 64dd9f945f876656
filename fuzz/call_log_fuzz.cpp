// libFuzzer target: any bytes as one call log, parsed into a throw-away
// working database.
#include <cstdio>
#include <cstdlib>

#include "FuzzInputs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string fault = varnel::fuzz::parseCallLog(data, size);
    if (!fault.empty()) {
        std::fprintf(stderr, "call log input broke a rule: %s\n", fault.c_str());
        std::abort();
    }
    return 0;
}
