#include "containers/LargeArrays.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

#include "containers/AddressSanitizer.h"

namespace varnel::containers {

namespace {

// bytes rounded up to whole ordinary pages, which mappings are made of.
std::size_t wholePages(std::size_t bytes) {
    static const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    return (bytes + page - 1) / page * page;
}

}  // namespace

void* allocateLarge(std::size_t bytes) {
    if (bytes == 0 || bytes > std::size_t(-1) / 2) throw std::bad_alloc();
    // Under the address sanitizer, from its heap, which it checks.
    if constexpr (underAddressSanitizer) return ::operator new(bytes, std::align_val_t(hugePageBytes));
    bytes = wholePages(bytes);
    // Mapped with a huge page to spare, then cut to start on a huge page:
    // only whole aligned huge pages can be huge.
    const std::size_t mapped = bytes + hugePageBytes;
    void* raw = mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) throw std::bad_alloc();
    const auto begin = reinterpret_cast<std::uintptr_t>(raw);
    const std::uintptr_t start = (begin + hugePageBytes - 1) & ~std::uintptr_t{hugePageBytes - 1};
    const std::uintptr_t end = begin + mapped;
    if (start > begin) munmap(raw, start - begin);
    if (end > start + bytes) munmap(reinterpret_cast<void*>(start + bytes), end - start - bytes);
    void* memory = reinterpret_cast<void*>(start);
    // Advice only: without huge pages the memory is the same.
    madvise(memory, bytes, MADV_HUGEPAGE);
    return memory;
}

void freeLarge(void* memory, std::size_t bytes) noexcept {
    if constexpr (underAddressSanitizer)
        ::operator delete(memory, std::align_val_t(hugePageBytes));
    else if (memory)
        munmap(memory, wholePages(bytes));
}

}  // namespace varnel::containers
