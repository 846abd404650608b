#include "catalogue/LargeAllocator.h"

#include <cstdint>
#include <cstdlib>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace quill {

namespace {

constexpr std::size_t kHugePage = kHugePageSize;

[[maybe_unused]] std::size_t Mapped(std::size_t bytes) {
    return (bytes + kHugePage - 1) / kHugePage * kHugePage;
}

}  // namespace

char* MapHugePages(std::size_t bytes) noexcept {
#if defined(__linux__)
    // Map one page more and trim both ends so the block starts on a 2 MiB boundary.
    const std::size_t mapped = Mapped(bytes);
    void* raw = ::mmap(nullptr, mapped + kHugePage, PROT_READ | PROT_WRITE,
                       MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) return nullptr;
    char* start = static_cast<char*>(raw);
    char* aligned = reinterpret_cast<char*>(
        (reinterpret_cast<std::uintptr_t>(start) + kHugePage - 1) & ~(kHugePage - 1));
    if (aligned > start) ::munmap(start, static_cast<std::size_t>(aligned - start));
    char* end = aligned + mapped;
    char* mapEnd = start + mapped + kHugePage;
    if (mapEnd > end) ::munmap(end, static_cast<std::size_t>(mapEnd - end));
    ::madvise(aligned, mapped, MADV_HUGEPAGE);  // only advice: fine if refused
    return aligned;
#else
    (void)bytes;
    return nullptr;
#endif
}

void UnmapHugePages(void* block, std::size_t bytes) noexcept {
#if defined(__linux__)
    if (block) ::munmap(block, Mapped(bytes));
#else
    (void)block;
    (void)bytes;
#endif
}

void* AllocateLarge(std::size_t bytes) {
#if defined(__linux__)
    if (bytes >= kHugePage) {
        if (char* block = MapHugePages(bytes)) return block;
        throw std::bad_alloc();
    }
#endif
    if (void* block = std::malloc(bytes == 0 ? 1 : bytes)) return block;
    throw std::bad_alloc();
}

void FreeLarge(void* block, std::size_t bytes) noexcept {
    if (block == nullptr) return;
#if defined(__linux__)
    if (bytes >= kHugePage) {
        UnmapHugePages(block, bytes);
        return;
    }
#endif
    std::free(block);
}

}  // namespace quill
