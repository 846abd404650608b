#include "inifile/BigIniFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <utility>

#include "inifile/LargeAllocator.h"
#include "platform/AtomicSave.h"
#include "platform/PathText.h"
#include "platform/RegularFile.h"
#include "text/Error.h"

namespace quill {

namespace {

constexpr std::size_t kBufferSize = 16384;
constexpr char kCtrlZ = 26;
constexpr std::size_t kMaxSectionBytes = std::numeric_limits<std::uint32_t>::max();

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c; }

// ---------------------------------------------------------------------------
// Memory for loading

// A block of raw memory. Large blocks come straight from the system and ask for
// 2 MiB pages: a file of hundreds of megabytes otherwise spends most of its
// loading time faulting in 4 KiB pages one by one, and freeing it is one call.
// Pages are only backed once written, so a block larger than needed costs
// address space, not memory.
class RawBlock {
  public:
    enum Fill { kAsIs, kZeroed };

    RawBlock() = default;
    explicit RawBlock(std::size_t bytes, Fill fill = kAsIs) {
        if (bytes == 0) bytes = 1;
        if (bytes >= 2 * kHugePageSize) {
            if (char* block = MapHugePages(bytes)) {
                data_ = block;
                size_ = bytes;
                mapped_ = bytes;
                return;
            }
        }
        data_ = new char[bytes];  // fresh mappings come zeroed, the heap does not
        size_ = bytes;
        if (fill == kZeroed) std::memset(data_, 0, bytes);
    }
    RawBlock(RawBlock&& other) noexcept { Swap(other); }
    RawBlock& operator=(RawBlock&& other) noexcept {
        RawBlock gone(std::move(*this));
        Swap(other);
        return *this;
    }
    RawBlock(const RawBlock&) = delete;
    RawBlock& operator=(const RawBlock&) = delete;
    ~RawBlock() {
        if (mapped_ != 0) {
            UnmapHugePages(data_, mapped_);
            return;
        }
        delete[] data_;
    }

    char* Data() const { return data_; }
    std::size_t Size() const { return size_; }

  private:
    void Swap(RawBlock& other) noexcept {
        std::swap(data_, other.data_);
        std::swap(size_, other.size_);
        std::swap(mapped_, other.mapped_);
    }

    char* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t mapped_ = 0;  // the bytes asked of MapHugePages, when data_ came from it
};

// Finds sections by name during loading, so that spotting a repeated header
// costs the same in a file of a hundred thousand sections as in one of ten.
// It holds section indices only; the names stay in the section list.
class SectionIndex {
  public:
    explicit SectionIndex(std::size_t expectedSections) {
        std::size_t slots = 1024;
        while (slots < expectedSections * 2) slots *= 2;
        Allocate(slots);
    }

    // The index of an earlier section of that name, or -1 after recording the
    // name as section `next`.
    int FindOrAdd(std::string_view name, const TSectionList& names, int next) {
        const std::uint32_t hash = Hash(name);
        std::size_t at = hash & mask_;
        while (slots_[at].indexPlusOne != 0) {
            const int index = slots_[at].indexPlusOne - 1;
            if (slots_[at].hash == hash && SameTextIgnoringCase(names.Name(index), name)) {
                return index;
            }
            at = (at + 1) & mask_;
        }
        slots_[at] = {hash, next + 1};
        if (++count_ * 2 > mask_ + 1) Grow();
        return -1;
    }

  private:
    struct Slot {
        std::uint32_t hash;
        int indexPlusOne;  // 0 for a free slot, so fresh zeroed memory is an empty table
    };

    static std::uint32_t Hash(std::string_view name) {
        std::uint32_t hash = 2166136261u;
        for (char c : name) hash = (hash ^ static_cast<unsigned char>(LowerAscii(c))) * 16777619u;
        return hash;
    }

    void Allocate(std::size_t slots) {
        block_ = RawBlock(slots * sizeof(Slot), RawBlock::kZeroed);
        slots_ = reinterpret_cast<Slot*>(block_.Data());
        mask_ = slots - 1;
    }

    void Grow() {
        RawBlock old = std::move(block_);
        const Slot* oldSlots = slots_;
        const std::size_t oldCount = mask_ + 1;
        Allocate(oldCount * 2);
        for (std::size_t i = 0; i < oldCount; ++i) {
            if (oldSlots[i].indexPlusOne == 0) continue;
            std::size_t at = oldSlots[i].hash & mask_;
            while (slots_[at].indexPlusOne != 0) at = (at + 1) & mask_;
            slots_[at] = oldSlots[i];
        }
    }

    RawBlock block_;
    Slot* slots_ = nullptr;
    std::size_t mask_ = 0;
    std::size_t count_ = 0;
};

// ---------------------------------------------------------------------------

}  // namespace

// ---------------------------------------------------------------------------

// The text of every loaded line, one after another without line ends, and the
// line ends of every loaded section, packed section after section.
struct TBigIniFile::Blocks {
    RawBlock arena;
    std::vector<RawBlock> endChunks;
    std::uint32_t* freeEnds = nullptr;
    std::size_t freeEndCount = 0;
    std::size_t endChunkEntries = 4096;

    // Room for `count` line ends that stay where they are until the file is released.
    std::uint32_t* TakeEnds(std::size_t count) {
        if (count > freeEndCount) {
            const std::size_t entries = std::max(count, endChunkEntries);
            endChunks.emplace_back(entries * sizeof(std::uint32_t));
            freeEnds = reinterpret_cast<std::uint32_t*>(endChunks.back().Data());
            freeEndCount = entries;
        }
        std::uint32_t* taken = freeEnds;
        freeEnds += count;
        freeEndCount -= count;
        return taken;
    }
};

// A section's lines are the bytes from `base` on; line i stops at ends[i],
// counted from base. A loaded section points into the file's blocks; one given
// new lines owns its copies: the line ends, then the text.
struct TBigIniFile::Section {
    const char* base = nullptr;
    const std::uint32_t* ends = nullptr;
    std::uint32_t lineCount = 0;
    std::unique_ptr<std::uint32_t[]> own;

    std::string_view Line(std::uint32_t index) const {
        const std::uint32_t begin = index == 0 ? 0 : ends[index - 1];
        return std::string_view(base + begin, ends[index] - begin);
    }

    void Assign(const StringList& lines) {
        std::size_t total = 0;
        for (const std::string& line : lines) total += line.size();
        if (total > kMaxSectionBytes || lines.size() > kMaxSectionBytes) {
            throw QuillError("Section too large");
        }
        const std::size_t endWords = lines.size();
        const std::size_t textWords = (total + sizeof(std::uint32_t) - 1) / sizeof(std::uint32_t);
        auto block = std::make_unique_for_overwrite<std::uint32_t[]>(
            std::max<std::size_t>(endWords + textWords, 1));
        char* text = reinterpret_cast<char*>(block.get() + endWords);
        std::size_t at = 0;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            std::memcpy(text + at, lines[i].data(), lines[i].size());
            at += lines[i].size();
            block[i] = static_cast<std::uint32_t>(at);
        }
        own = std::move(block);
        ends = own.get();
        base = text;
        lineCount = static_cast<std::uint32_t>(lines.size());
    }
};

// ---------------------------------------------------------------------------

void TSectionList::Clear() {
    names_.clear();
    searchPosition_ = 0;
}

int TSectionList::IndexOf(std::string_view name) {
    const int count = Count();
    if (count == 0) return -1;
    if (searchPosition_ >= count || searchPosition_ < 0) searchPosition_ = 0;
    for (int step = 0; step < count; ++step) {
        const int index = searchPosition_;
        searchPosition_ = index + 1 == count ? 0 : index + 1;
        if (SameTextIgnoringCase(names_[index], name)) return index;
    }
    return -1;
}

// ---------------------------------------------------------------------------

TBigIniFile::TBigIniFile(std::filesystem::path fileName, Start start)
    : fileName_(std::move(fileName)) {
    if (start == Start::Load) Load();
}

TBigIniFile::~TBigIniFile() {
    try {
        SaveIfChanged();
    } catch (...) {
        // A destructor must not throw; callers who care call SaveIfChanged first.
    }
}

int TBigIniFile::SectionCount() const { return static_cast<int>(sections_.size()); }

const std::string& TBigIniFile::SectionName(int index) const {
    if (index < 0 || index >= SectionCount()) ThrowListIndex(index);
    return names_.Name(index);
}

int TBigIniFile::SectionLineCount(int index) const {
    if (index < 0 || index >= SectionCount()) ThrowListIndex(index);
    return static_cast<int>(sections_[index].lineCount);
}

std::string_view TBigIniFile::SectionLine(int index, int line) const {
    if (index < 0 || index >= SectionCount()) ThrowListIndex(index);
    const Section& section = sections_[index];
    if (line < 0 || static_cast<std::uint32_t>(line) >= section.lineCount) ThrowListIndex(line);
    return section.Line(static_cast<std::uint32_t>(line));
}

SectionLines TBigIniFile::Lines(int index) const {
    if (index < 0 || index >= SectionCount()) ThrowListIndex(index);
    const Section& section = sections_[index];
    return SectionLines(section.base, section.ends, section.lineCount);
}

bool TBigIniFile::ReadSectionLines(std::string_view section, StringList& destination) {
    const int index = names_.IndexOf(section);
    if (index < 0) return false;
    const Section& found = sections_[index];
    destination.reserve(destination.size() + found.lineCount);
    for (std::uint32_t i = 0; i < found.lineCount; ++i) destination.emplace_back(found.Line(i));
    return true;
}

namespace {

// What would not read back as written: the reader ends lines at CR and LF,
// ends the text at Ctrl-Z, drops empty lines and takes "[...]" for a header.
std::string UnreadableBecause(std::string_view text, bool isLine) {
    if (isLine && text.empty()) return "it is empty";
    if (text.find_first_of("\r\n") != std::string_view::npos) return "it holds a line break";
    if (text.find(kCtrlZ) != std::string_view::npos) return "it holds a Ctrl-Z";
    if (isLine && text.size() >= 2 && text.front() == '[' && text.back() == ']')
        return "it would read as a section header";
    return {};
}

}  // namespace

void TBigIniFile::WriteSectionLines(std::string_view section, const StringList& lines) {
    // Refused before anything changes, so the file never gets what it would
    // not give back.
    if (const std::string why = UnreadableBecause(section, false); !why.empty())
        throw QuillError("Cannot write file " + Utf8Of(fileName_) + ": the section name [" +
                         std::string(section) + "] would not read back: " + why + ".");
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (const std::string why = UnreadableBecause(lines[i], true); !why.empty())
            throw QuillError("Cannot write file " + Utf8Of(fileName_) + ": line " +
                             std::to_string(i + 1) + " of section [" + std::string(section) +
                             "] would not read back: " + why + ".");
    const int index = names_.IndexOf(section);
    if (index < 0) {
        Section added;
        added.Assign(lines);
        sections_.push_back(std::move(added));
        names_.Add(std::string(section));
        changed_ = true;
        return;
    }
    Section& found = sections_[index];
    if (found.lineCount == lines.size()) {
        bool differs = false;
        for (std::uint32_t i = 0; i < found.lineCount && !differs; ++i) {
            differs = found.Line(i) != lines[i];
        }
        if (!differs) return;
    }
    found.Assign(lines);
    changed_ = true;
}

void TBigIniFile::SaveIfChanged() {
    if (!changed_) return;
    if (!fileName_.empty()) Write();
    changed_ = false;
}

// ---------------------------------------------------------------------------
// Loading. The file is read once through a 16 KiB buffer. Every kept line is
// copied into one arena sized from the file, so the lines of a section lie one
// after another and the section records only where each ends. A header or a
// dropped line is copied too, but the arena position then falls back to the
// line's start, so nothing of it stays.

void TBigIniFile::Load() {
    names_.Clear();
    sections_.clear();
    blocks_.reset();
    changed_ = false;

    OpenedFile opened = OpenRegularFile(fileName_);
    if (!opened.file) {
        // A missing file, also below a name that is not a folder, is empty.
        if (opened.error == ENOENT || opened.error == ENOTDIR) return;
        throw QuillError(opened.problem);
    }
    const FileHandle file = std::move(opened.file);
    std::setvbuf(file.get(), nullptr, _IONBF, 0);

    std::error_code sizeError;
    const std::uintmax_t fileSize = std::filesystem::file_size(fileName_, sizeError);
    // A line costs at least its text and a CR in the file, so the kept text never
    // outgrows the file.
    const std::size_t expected = sizeError ? kBufferSize : static_cast<std::size_t>(fileSize);

    auto blocks = std::make_unique<Blocks>();
    blocks->arena = RawBlock(expected);
    // Line ends are kept in chunks of a sixteenth of the file's size: one chunk
    // holds the ends of all lines when they average 64 bytes.
    blocks->endChunkEntries = std::clamp<std::size_t>(expected / 64, 1024, std::size_t{1} << 22);
    char* arena = blocks->arena.Data();
    std::size_t capacity = blocks->arena.Size();

    std::size_t pos = 0;        // end of the bytes copied so far
    std::size_t lineStart = 0;  // where the line being read began
    int current = -1;           // section that takes content lines, none before the first header
    std::size_t sectionStart = 0;
    std::vector<std::uint32_t> ends;  // of the current section, until its next header

    // Room for the sections of a file whose sections average half a kilobyte
    // or more, so that catalogues never copy these lists while loading. Room
    // that stays unused costs address space, not memory.
    const std::size_t expectedSections = expected / 512 + 16;
    sections_.reserve(expectedSections);
    names_.names_.reserve(expectedSections);
    SectionIndex known(expectedSections);

    auto closeSection = [&] {
        if (current >= 0 && !ends.empty()) {
            Section& section = sections_[current];
            std::uint32_t* kept = blocks->TakeEnds(ends.size());
            std::memcpy(kept, ends.data(), ends.size() * sizeof(std::uint32_t));
            section.ends = kept;
            section.lineCount = static_cast<std::uint32_t>(ends.size());
        }
        ends.clear();
    };

    auto append = [&](const char* from, std::size_t n) {
        if (n > capacity - pos) {
            // The file grew while we read it.
            RawBlock larger(std::max(capacity * 2, pos + n));
            std::memcpy(larger.Data(), arena, pos);
            for (Section& section : sections_)
                section.base = larger.Data() + (section.base - arena);
            blocks->arena = std::move(larger);
            arena = blocks->arena.Data();
            capacity = blocks->arena.Size();
        }
        std::memcpy(arena + pos, from, n);
        pos += n;
    };

    auto endLine = [&] {
        const std::size_t length = pos - lineStart;
        if (length == 0) return;  // empty lines are dropped wherever they occur
        const char* line = arena + lineStart;
        if (length >= 2 && line[0] == '[' && line[length - 1] == ']') {
            const std::string_view name(line + 1, length - 2);
            closeSection();
            const int next = static_cast<int>(sections_.size());
            if (known.FindOrAdd(name, names_, next) < 0) {
                names_.Add(std::string(name));
                sections_.emplace_back().base = line;
                current = next;
                sectionStart = lineStart;
            } else {
                // A repeated section's lines are dropped up to the next new header.
                current = -1;
            }
            pos = lineStart;
        } else if (current >= 0) {
            const std::size_t end = pos - sectionStart;
            if (end > kMaxSectionBytes) {
                throw QuillError("Section [" + names_.Name(current) + "] too large in file " +
                                 Utf8Of(fileName_));
            }
            ends.push_back(static_cast<std::uint32_t>(end));
        } else {
            pos = lineStart;  // before the first header, or under a repeated one
        }
        lineStart = pos;
    };

    char buffer[kBufferSize];
    bool afterCR = false;  // the last read ended with CR: an LF that opens the next is skipped
    bool textEnded = false;
    while (!textEnded) {
        std::size_t got = std::fread(buffer, 1, kBufferSize, file.get());
        if (got == 0) {
            if (std::ferror(file.get())) throw QuillError("Cannot read file " + Utf8Of(fileName_));
            break;
        }
        if (const void* z = std::memchr(buffer, kCtrlZ, got)) {
            got = static_cast<std::size_t>(static_cast<const char*>(z) - buffer);
            textEnded = true;
        }
        const char* p = buffer;
        const char* const stop = buffer + got;
        if (afterCR && p < stop) {
            if (*p == '\n') ++p;
            afterCR = false;
        }
        // A line ends at CR, at LF, or at the pair CR LF. The next CR and the
        // next LF are each searched for once, only when the line passes them.
        const auto next = [stop](const char* from, char c) {
            const void* at = std::memchr(from, c, static_cast<std::size_t>(stop - from));
            return at ? static_cast<const char*>(at) : stop;
        };
        const char* cr = next(p, '\r');
        const char* lf = next(p, '\n');
        while (p < stop) {
            if (cr < p) cr = next(p, '\r');
            if (lf < p) lf = next(p, '\n');
            const char* end = std::min(cr, lf);
            if (end == stop) {
                append(p, static_cast<std::size_t>(stop - p));
                break;
            }
            append(p, static_cast<std::size_t>(end - p));
            endLine();
            p = end + 1;
            if (*end == '\r') {
                if (p == stop) {
                    afterCR = true;
                } else if (*p == '\n') {
                    ++p;
                }
            }
        }
    }
    endLine();  // a last line without CR
    closeSection();

    blocks_ = std::move(blocks);
    changed_ = false;
}

// ---------------------------------------------------------------------------
// Writing goes through the atomic save: the old file stays whole until the new
// one is complete.

void TBigIniFile::Write() const {
    AtomicSave save(fileName_);
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        const Section& section = sections_[i];
        if (section.lineCount == 0) continue;  // sections without lines are not written
        bool ok = save.Put("[") && save.Put(names_.Name(static_cast<int>(i))) && save.Put("]\r\n");
        for (std::uint32_t line = 0; ok && line < section.lineCount; ++line)
            ok = save.Put(section.Line(line)) && save.Put("\r\n");
        if (!ok || !save.Put("\r\n")) break;
    }
    if (const std::string error = save.Commit(); !error.empty()) throw QuillError(error);
}

// ---------------------------------------------------------------------------

std::string LineName(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return std::string();
    return std::string(line.substr(0, equals));
}

namespace {

// The value of the first of the lines whose name is `name`.
template <typename Lines>
std::string FirstValue(const Lines& lines, int count, std::string_view name) {
    for (int i = 0; i < count; ++i) {
        const std::string_view line = lines[i];
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;  // a line without "=" has no name to match
        if (SameTextIgnoringCase(line.substr(0, equals), name))
            return std::string(line.substr(equals + 1));
    }
    return std::string();
}

}  // namespace

std::string LineValue(const StringList& lines, std::string_view name) {
    return FirstValue(lines, static_cast<int>(lines.size()), name);
}

std::string LineValue(const SectionLines& lines, std::string_view name) {
    return FirstValue(lines, lines.Count(), name);
}

}  // namespace quill
