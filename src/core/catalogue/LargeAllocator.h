#pragma once

#include <cstddef>
#include <new>

namespace quill {

// Memory of a large block, asked of the system in 2 MiB pages where it can
// give them: filling a list of a hundred thousand records otherwise spends
// much of its time faulting in 4 KiB pages one by one. Small blocks come
// from the heap as usual.
void* AllocateLarge(std::size_t bytes);
void FreeLarge(void* block, std::size_t bytes) noexcept;

template <typename T>
struct LargeAllocator {
    using value_type = T;
    LargeAllocator() = default;
    template <typename U>
    LargeAllocator(const LargeAllocator<U>&) noexcept {}
    T* allocate(std::size_t n) { return static_cast<T*>(AllocateLarge(n * sizeof(T))); }
    void deallocate(T* p, std::size_t n) noexcept { FreeLarge(p, n * sizeof(T)); }
    template <typename U>
    bool operator==(const LargeAllocator<U>&) const noexcept {
        return true;
    }
};

}  // namespace quill
