// Memory for the large arrays of a load and its reports, in 2 MB huge pages
// where the system gives them. Fresh memory in 4 KB pages takes a page fault
// on the first touch of each page, and on a virtual machine a fault costs far
// more than writing the page: about 10 us against 0.2 us in huge pages,
// measured on the project's build machine, where the faults took a tenth of
// the processor time of ten days loaded with every report.
#pragma once

#include <cstddef>
#include <memory>
#include <new>
#include <utility>
#include <vector>

namespace varnel::containers {

inline constexpr std::size_t hugePageBytes = std::size_t{2} << 20;

// At least bytes (more than zero) of memory starting on a huge page, its
// whole huge pages advised to be huge; the rest of it, and all of it where
// huge pages are not to be had, in ordinary pages. Throws std::bad_alloc.
void* allocateLarge(std::size_t bytes);
// Frees what allocateLarge(bytes) gave, with the same bytes.
void freeLarge(void* memory, std::size_t bytes) noexcept;

// Arrays of at least a huge page from allocateLarge, smaller ones from the
// ordinary heap.
template <class T>
struct LargeAllocator {
    using value_type = T;

    LargeAllocator() = default;
    template <class U>
    LargeAllocator(const LargeAllocator<U>&) noexcept {}

    T* allocate(std::size_t count) {
        if (count > std::size_t(-1) / sizeof(T)) throw std::bad_array_new_length();
        if (count * sizeof(T) < hugePageBytes) return std::allocator<T>().allocate(count);
        return static_cast<T*>(allocateLarge(count * sizeof(T)));
    }
    void deallocate(T* memory, std::size_t count) noexcept {
        if (count * sizeof(T) < hugePageBytes)
            std::allocator<T>().deallocate(memory, count);
        else
            freeLarge(memory, count * sizeof(T));
    }

    template <class U>
    bool operator==(const LargeAllocator<U>&) const noexcept {
        return true;
    }
};

template <class T>
using LargeVector = std::vector<T, LargeAllocator<T>>;

// A fixed array of count values from allocateLarge, left uninitialised; or
// none.
template <class T>
class LargeBlock {
public:
    LargeBlock() = default;
    explicit LargeBlock(std::size_t count) : count_(count), data_(static_cast<T*>(allocateLarge(count * sizeof(T)))) {}
    ~LargeBlock() {
        if (data_) freeLarge(data_, count_ * sizeof(T));
    }
    LargeBlock(LargeBlock&& other) noexcept : count_(other.count_), data_(std::exchange(other.data_, nullptr)) {}
    LargeBlock& operator=(LargeBlock&&) = delete;
    LargeBlock(const LargeBlock&) = delete;
    LargeBlock& operator=(const LargeBlock&) = delete;

    T* get() const { return data_; }
    T& operator[](std::size_t i) const { return data_[i]; }

private:
    std::size_t count_ = 0;
    T* data_ = nullptr;
};

}  // namespace varnel::containers
