#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace quill {

class SectionLines;

// Where a line's "=" is, or npos. Eight bytes at a time: names are a few
// characters long, and a loop a byte would mispredict where they end.
std::size_t EqualsAt(std::string_view line);

// The lines of a section whose name (the text before "=") an earlier line of
// the section already has, names compared without regard to case: the
// name/value view gives such a line the value of the first line of its name.
// Linear in the section's lines, and kind to the cache in a section of a
// hundred thousand. Keeps its working room from one section to the next.
class RepeatedNames {
  public:
    struct Repeat {
        int line;
        int first;  // the first line with that name
    };
    // The repeats of one section, in line order.
    const std::vector<Repeat>& Find(const SectionLines& lines);
    // The first line of that section with an empty name ("=value"), or -1.
    int FirstEmptyName() const { return firstEmptyName_; }

  private:
    struct Entry {
        std::uint32_t key;  // the name's hash
        int line;
    };
    void FindInGroup(const SectionLines& lines, const Entry* begin, const Entry* end);

    std::vector<Entry> entries_, grouped_, table_;
    std::vector<std::uint32_t> groupStart_, fill_;
    std::vector<Repeat> repeats_;
    int firstEmptyName_ = -1;
};

}  // namespace quill
