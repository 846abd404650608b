#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "text/Fields.h"

namespace quill {

// Section names in file order, searched without regard to ASCII case. The
// search is cyclic: it starts where the last one stopped, so reading sections
// in file order costs one comparison per look-up.
class TSectionList {
  public:
    int Count() const { return static_cast<int>(names_.size()); }
    const std::string& Name(int index) const { return names_[index]; }
    void Add(std::string name) { names_.push_back(std::move(name)); }
    void Clear();
    int IndexOf(std::string_view name);  // -1 when absent

  private:
    friend class TBigIniFile;  // reserves room before loading many names

    std::vector<std::string> names_;
    int searchPosition_ = 0;
};

// The lines of one section, for a reader that walks them all; valid while
// the file they were read from is unchanged.
class SectionLines {
  public:
    SectionLines(const char* base, const std::uint32_t* ends, std::uint32_t count)
        : base_(base), ends_(ends), count_(count) {}
    int Count() const { return static_cast<int>(count_); }
    // Unchecked: 0 <= line < Count().
    std::string_view operator[](int line) const {
        const auto at = static_cast<std::uint32_t>(line);
        const std::uint32_t begin = at == 0 ? 0 : ends_[at - 1];
        return std::string_view(base_ + begin, ends_[at] - begin);
    }

  private:
    const char* base_;
    const std::uint32_t* ends_;
    std::uint32_t count_;
};

// A sectioned text file held whole in memory. A line ends at CR, LF or CR LF.
// Lines are kept exactly as read
// (no trimming, no comment syntax); callers read name=value pairs through
// LineName/LineValue. Built for files of hundreds of megabytes: the lines of
// all sections live in one arena and each line costs four bytes of index.
class TBigIniFile {
  public:
    // Load reads the file whole (a missing file gives no sections). Empty
    // starts without sections whatever the file holds, so that saving replaces
    // its whole content.
    enum class Start { Load, Empty };
    explicit TBigIniFile(std::filesystem::path fileName, Start start = Start::Load);
    ~TBigIniFile();  // saves when changed; errors are swallowed here, call SaveIfChanged to see
                     // them
    TBigIniFile(const TBigIniFile&) = delete;
    TBigIniFile& operator=(const TBigIniFile&) = delete;

    const std::filesystem::path& FileName() const { return fileName_; }
    int SectionCount() const;
    const std::string& SectionName(int index) const;
    int SectionLineCount(int index) const;
    std::string_view SectionLine(int index, int line) const;
    SectionLines Lines(int index) const;
    // The index of the section of that name, found as ReadSectionLines finds
    // it; -1 when absent.
    int FindSection(std::string_view section) { return names_.IndexOf(section); }

    // Appends the section's lines to destination; false (nothing appended) when absent.
    bool ReadSectionLines(std::string_view section, StringList& destination);
    // Replaces the section's lines, creating the section at the end when absent.
    // Throws, changing nothing, for a name or line that would not read back as
    // written: an empty line, a line break, a Ctrl-Z, a line that is a header.
    void WriteSectionLines(std::string_view section, const StringList& lines);
    // Rewrites the file when something changed, through the atomic save: a
    // failed save leaves the old file whole and throws the error text.
    void SaveIfChanged();
    bool Changed() const { return changed_; }

  private:
    struct Section;
    struct Blocks;  // the memory the loaded sections' lines live in
    void Load();
    void Write() const;

    std::filesystem::path fileName_;
    TSectionList names_;
    std::vector<Section> sections_;
    std::unique_ptr<Blocks> blocks_;
    bool changed_ = false;
};

// The name/value view of a list of lines: the name is the text before the first
// "=" (empty without one); the value of a name is what follows "=" on the first
// line whose name equals it without regard to case.
std::string LineName(std::string_view line);
std::string LineValue(const StringList& lines, std::string_view name);
std::string LineValue(const SectionLines& lines, std::string_view name);

}  // namespace quill
