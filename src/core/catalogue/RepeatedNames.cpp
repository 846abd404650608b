#include "catalogue/RepeatedNames.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <string_view>

#include "inifile/BigIniFile.h"
#include "text/Fields.h"

namespace quill {

namespace {

// Eight bytes of text as a number whose lowest byte is the first.
std::uint64_t LoadLittle(const char* text) {
    std::uint64_t word;
    std::memcpy(&word, text, 8);
    if constexpr (std::endian::native == std::endian::big) word = __builtin_bswap64(word);
    return word;
}

// 0x80 in each byte of the word that is "=", exactly (no borrow between bytes).
std::uint64_t EqualsBytes(std::uint64_t word) {
    constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
    const std::uint64_t x = word ^ 0x3D3D3D3D3D3D3D3DULL;
    return ~(((x & kLow7) + kLow7) | x | kLow7);
}

// The name's hash, eight bytes at a time, in a line of at least eight bytes
// (the name's last bytes are read in one word ending where the name does).
// Every byte is folded with 0x20, so names that differ only in the case of
// ASCII letters hash alike (a few other characters fold together too: equal
// keys are only a hint, the names are then compared).
std::uint32_t NameKey(std::string_view line, std::size_t nameSize) {
    constexpr std::uint64_t kFold = 0x2020202020202020ULL;
    constexpr std::uint64_t kMix = 0xFF51AFD7ED558CCDULL;
    std::uint64_t hash = 0x9E3779B97F4A7C15ULL ^ nameSize;
    std::size_t at = 0;
    for (; at + 8 <= nameSize; at += 8) {
        hash = (hash ^ (LoadLittle(line.data() + at) | kFold)) * kMix;
        hash ^= hash >> 32;
    }
    const std::size_t rest = nameSize - at;  // 0 to 7 bytes
    std::uint64_t tail = 0;
    if (rest > 0 && line.size() >= 8) {
        tail = nameSize >= 8 ? LoadLittle(line.data() + nameSize - 8) >> (8 * (8 - rest))
                             : LoadLittle(line.data()) & ((std::uint64_t{1} << (8 * rest)) - 1);
        tail |= kFold & ((std::uint64_t{1} << (8 * rest)) - 1);
    } else {
        for (std::size_t i = 0; i < rest; ++i)
            tail |= std::uint64_t{static_cast<unsigned char>(line[at + i]) | 0x20u} << (8 * i);
    }
    hash = (hash ^ tail) * kMix;
    hash ^= hash >> 29;
    return static_cast<std::uint32_t>((hash * 0x9E3779B97F4A7C15ULL) >> 32);
}

std::string_view NameOf(std::string_view line) { return line.substr(0, EqualsAt(line)); }

constexpr int kNoLine = -1;

}  // namespace

std::size_t EqualsAt(std::string_view line) {
    std::size_t at = 0;
    for (; at + 8 <= line.size(); at += 8)
        if (const std::uint64_t found = EqualsBytes(LoadLittle(line.data() + at)))
            return at + static_cast<std::size_t>(std::countr_zero(found)) / 8;
    if (at < line.size() && line.size() >= 8) {
        // The last word overlaps the one before; the bytes read already are dropped.
        const std::size_t from = line.size() - 8;
        const std::uint64_t found =
            EqualsBytes(LoadLittle(line.data() + from)) >> (8 * (at - from)) << (8 * (at - from));
        return found ? from + static_cast<std::size_t>(std::countr_zero(found)) / 8
                     : std::string_view::npos;
    }
    for (; at < line.size(); ++at)
        if (line[at] == '=') return at;
    return std::string_view::npos;
}

// One table for a whole large section would be larger than the cache, and
// every look-up a miss. The lines of a large section are first spread, in
// their order, into groups by the key's high bits; each group then finds its
// repeats in a table small enough to stay in the cache.
const std::vector<RepeatedNames::Repeat>& RepeatedNames::Find(const SectionLines& lines) {
    const int count = lines.Count();
    int bits = 0;
    while ((count >> bits) > 512 && bits < 12) ++bits;
    const std::size_t groups = std::size_t{1} << bits;
    const auto groupOf = [bits](std::uint32_t key) {
        return bits == 0 ? std::size_t{0} : static_cast<std::size_t>(key >> (32 - bits));
    };

    repeats_.clear();
    entries_.clear();
    entries_.reserve(static_cast<std::size_t>(count));
    groupStart_.assign(groups + 1, 0);
    firstEmptyName_ = kNoLine;
    for (int line = 0; line < count; ++line) {
        const std::string_view text = lines[line];
        const std::size_t equals = EqualsAt(text);
        if (equals == std::string_view::npos) continue;  // no name to be found by
        if (equals == 0 && firstEmptyName_ == kNoLine) firstEmptyName_ = line;
        const std::uint32_t key = NameKey(text, equals);
        entries_.push_back(Entry{key, line});
        ++groupStart_[groupOf(key) + 1];
    }
    if (groups == 1) {
        FindInGroup(lines, entries_.data(), entries_.data() + entries_.size());
    } else {
        for (std::size_t g = 0; g < groups; ++g) groupStart_[g + 1] += groupStart_[g];
        grouped_.resize(entries_.size());
        fill_.assign(groupStart_.begin(), groupStart_.end() - 1);
        for (const Entry& entry : entries_) grouped_[fill_[groupOf(entry.key)]++] = entry;
        for (std::size_t g = 0; g < groups; ++g)
            FindInGroup(lines, grouped_.data() + groupStart_[g],
                        grouped_.data() + groupStart_[g + 1]);
        std::sort(repeats_.begin(), repeats_.end(),
                  [](const Repeat& a, const Repeat& b) { return a.line < b.line; });
    }
    return repeats_;
}

void RepeatedNames::FindInGroup(const SectionLines& lines, const Entry* begin, const Entry* end) {
    std::size_t slots = 16;
    while (slots < 2 * static_cast<std::size_t>(end - begin)) slots *= 2;
    table_.assign(slots, Entry{0, kNoLine});
    const std::size_t mask = slots - 1;
    for (const Entry* entry = begin; entry != end; ++entry) {
        for (std::size_t at = entry->key & mask;; at = (at + 1) & mask) {
            Entry& slot = table_[at];
            if (slot.line == kNoLine) {
                slot = *entry;
                break;
            }
            if (slot.key == entry->key &&
                SameTextIgnoringCase(NameOf(lines[slot.line]), NameOf(lines[entry->line]))) {
                repeats_.push_back(Repeat{entry->line, slot.line});
                break;
            }
        }
    }
}

}  // namespace quill
