#pragma once

#include <cstddef>
#include <new>

namespace quill {

// Memory of a large block, asked of the system in 2 MiB pages where it can
// give them: filling a list of a hundred thousand records otherwise spends
// much of its time faulting in 4 KiB pages one by one. Small blocks come
// from the heap as usual.
void* AllocateLarge(std::size_t bytes);

// Whole 2 MiB pages for at least the bytes, starting on a 2 MiB boundary and
// zeroed, or nullptr when the system gives none (or has no such pages). The
// block goes back with UnmapHugePages and the same byte count.
char* MapHugePages(std::size_t bytes) noexcept;
void UnmapHugePages(void* block, std::size_t bytes) noexcept;
inline constexpr std::size_t kHugePageSize = std::size_t{2} << 20;
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
