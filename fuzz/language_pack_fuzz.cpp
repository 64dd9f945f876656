// libFuzzer target: any bytes as a language pack, checked and, when sound,
// read by Qt and looked up.
#include <cstdio>
#include <cstdlib>

#include "FuzzInputs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string fault = varnel::fuzz::loadLanguagePack(data, size);
    if (!fault.empty()) {
        std::fprintf(stderr, "language pack input broke a rule: %s\n", fault.c_str());
        std::abort();
    }
    return 0;
}
