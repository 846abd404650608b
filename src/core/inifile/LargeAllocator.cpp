#include "inifile/LargeAllocator.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif
#ifdef _WIN32
#include <malloc.h>
#include <windows.h>
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

namespace {

// Small blocks are cut, one after another, from chunks of one 2 MiB page
// each: a catalogue of thousands of cables then faults in a page for every
// few thousand connector lists instead of one for every three. A chunk
// counts its live blocks in a header at its start (chunks start on a 2 MiB
// boundary, so a block finds its chunk from its address) and goes back to
// the system when the last one is freed. Each thread cuts from a chunk of its
// own and holds one count on it while it does.
constexpr std::size_t kSmallLimit = std::size_t{64} << 10;
constexpr std::size_t kAlign = alignof(std::max_align_t);

struct ChunkHeader {
    std::atomic<std::size_t> live;
    bool huge;
};
constexpr std::size_t kHeaderRoom = (sizeof(ChunkHeader) + kAlign - 1) / kAlign * kAlign;

// A block on a 2 MiB boundary. msvcrt has no aligned_alloc: its own aligned
// blocks must go back through _aligned_free.
void* AlignedAlloc(std::size_t bytes) noexcept {
#ifdef _WIN32
    return _aligned_malloc(bytes, kHugePage);
#else
    return std::aligned_alloc(kHugePage, bytes);
#endif
}

void AlignedFree(void* block) noexcept {
#ifdef _WIN32
    _aligned_free(block);
#else
    std::free(block);
#endif
}

ChunkHeader* NewChunk() {
    bool huge = true;
    char* block = MapHugePages(kHugePage);
    if (block == nullptr) {
        huge = false;
        block = static_cast<char*>(AlignedAlloc(kHugePage));
        if (block == nullptr) throw std::bad_alloc();
    }
    return new (block) ChunkHeader{{1}, huge};
}

void Release(ChunkHeader* chunk) noexcept {
    if (chunk->live.fetch_sub(1, std::memory_order_acq_rel) != 1) return;
    const bool huge = chunk->huge;
    chunk->~ChunkHeader();
    if (huge)
        UnmapHugePages(chunk, kHugePage);
    else
        AlignedFree(chunk);
}

struct ThreadChunk {
    ChunkHeader* chunk = nullptr;
    std::size_t used = 0;
    ~ThreadChunk() {
        if (chunk) Release(chunk);
    }
    void* Take(std::size_t bytes) {
        bytes = (std::max<std::size_t>(bytes, 1) + kAlign - 1) / kAlign * kAlign;
        if (chunk == nullptr || used + bytes > kHugePage) {
            ChunkHeader* fresh = NewChunk();
            if (chunk) Release(chunk);
            chunk = fresh;
            used = kHeaderRoom;
        }
        char* block = reinterpret_cast<char*>(chunk) + used;
        used += bytes;
        chunk->live.fetch_add(1, std::memory_order_relaxed);
        return block;
    }
};

#ifdef _WIN32
// MinGW keeps thread_local objects in emulated thread storage, which may be
// released before the object's destructor runs at the thread's end; a
// fiber-local slot hands its callback the value whole.
void WINAPI DeleteThreadChunk(void* chunk) { delete static_cast<ThreadChunk*>(chunk); }

ThreadChunk& CurrentThreadChunk() {
    static const DWORD slot = FlsAlloc(DeleteThreadChunk);
    if (slot == FLS_OUT_OF_INDEXES) throw std::bad_alloc();
    auto* chunk = static_cast<ThreadChunk*>(FlsGetValue(slot));
    if (chunk == nullptr) {
        chunk = new ThreadChunk;
        if (!FlsSetValue(slot, chunk)) {
            delete chunk;
            throw std::bad_alloc();
        }
    }
    return *chunk;
}
#else
ThreadChunk& CurrentThreadChunk() {
    thread_local ThreadChunk threadChunk;
    return threadChunk;
}
#endif

}  // namespace

void* AllocateLarge(std::size_t bytes) {
    if (bytes <= kSmallLimit) return CurrentThreadChunk().Take(bytes);
#if defined(__linux__)
    if (bytes >= kHugePage) {
        if (char* block = MapHugePages(bytes)) return block;
        throw std::bad_alloc();
    }
#endif
    if (void* block = std::malloc(bytes)) return block;
    throw std::bad_alloc();
}

void FreeLarge(void* block, std::size_t bytes) noexcept {
    if (block == nullptr) return;
    if (bytes <= kSmallLimit) {
        Release(reinterpret_cast<ChunkHeader*>(reinterpret_cast<std::uintptr_t>(block) &
                                               ~(kHugePage - 1)));
        return;
    }
#if defined(__linux__)
    if (bytes >= kHugePage) {
        UnmapHugePages(block, bytes);
        return;
    }
#endif
    std::free(block);
}

}  // namespace quill
