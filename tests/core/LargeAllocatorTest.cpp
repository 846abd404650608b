#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <thread>
#include <vector>

#include "inifile/LargeAllocator.h"

using namespace quill;

namespace {

struct Block {
    char* data;
    std::size_t size;
};

}  // namespace

TEST(LargeAllocator, BlocksOfEverySizeAreAlignedApartAndKeepTheirBytes) {
    // Small blocks share chunks; each must be aligned for any type, overlap
    // no other, and keep what was written into it while others come and go.
    std::vector<Block> blocks;
    for (std::size_t i = 0; i < 3000; ++i) {
        const std::size_t size = (i * 977) % 70000 + (i % 97 == 0 ? kHugePageSize : 0);
        char* data = static_cast<char*>(AllocateLarge(size));
        ASSERT_EQ(reinterpret_cast<std::uintptr_t>(data) % alignof(std::max_align_t), 0u);
        std::memset(data, static_cast<int>(i & 0xFF), size);
        blocks.push_back({data, size});
        if (i % 3 == 0) {  // free an older one, as a growing list frees its last block
            Block& old = blocks[blocks.size() / 2];
            FreeLarge(old.data, old.size);
            old = blocks.back();
            blocks.pop_back();
        }
    }
    for (const Block& block : blocks) {
        const auto fill = static_cast<char>(block.data[0]);
        for (std::size_t at = 0; at < block.size; at += 509) ASSERT_EQ(block.data[at], fill);
        FreeLarge(block.data, block.size);
    }
}

TEST(LargeAllocator, ABlockMayBeFreedByAnotherThreadAfterItsOwnerEnded) {
    std::vector<Block> blocks;
    std::thread owner([&] {
        for (std::size_t size : {16u, 800u, 65536u, 100u})
            blocks.push_back({static_cast<char*>(AllocateLarge(size)), size});
    });
    owner.join();
    for (const Block& block : blocks) {
        std::memset(block.data, 1, block.size);  // still the thread's chunk's memory
        FreeLarge(block.data, block.size);
    }
}

TEST(LargeAllocator, AConnectorListGrowsAndShrinksInIt) {
    std::vector<int, LargeAllocator<int>> list;
    for (int i = 0; i < 200000; ++i) list.push_back(i);  // from small blocks to huge pages
    for (int i = 0; i < 200000; i += 999) ASSERT_EQ(list[static_cast<std::size_t>(i)], i);
    list.resize(10);
    list.shrink_to_fit();
    EXPECT_EQ(list.back(), 9);
}
