// The sectioned file reader: whatever it reads, it can write again, and what
// it writes reads back as it was read.

#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "inifile/BigIniFile.h"
#include "text/Error.h"

using namespace quill;

namespace {

std::vector<std::pair<std::string, StringList>> Sections(TBigIniFile& file) {
    std::vector<std::pair<std::string, StringList>> sections;
    for (int i = 0; i < file.SectionCount(); ++i) {
        StringList lines;
        file.ReadSectionLines(file.SectionName(i), lines);
        sections.emplace_back(file.SectionName(i), lines);
    }
    return sections;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto input = fuzz::FileWith(std::string_view(reinterpret_cast<const char*>(data), size));
    TBigIniFile read(input);
    const auto sections = Sections(read);

    const auto copy = fuzz::FileWith("", "copy.dat");
    {
        TBigIniFile written(copy, TBigIniFile::Start::Empty);
        for (const auto& [name, lines] : sections)
            written.WriteSectionLines(name, lines);  // never refused
        written.SaveIfChanged();
    }
    TBigIniFile again(copy);
    const auto reread = Sections(again);
    // Sections without lines are not written; every other comes back whole.
    std::vector<std::pair<std::string, StringList>> kept;
    for (const auto& section : sections)
        if (!section.second.empty()) kept.push_back(section);
    FUZZ_CHECK(reread == kept);
    return 0;
}
