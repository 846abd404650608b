#include "catalogue/Jumpers.h"

#include "inifile/BigIniFile.h"
#include "platform/PathText.h"
#include "text/Error.h"
#include "text/Fields.h"

namespace quill {

namespace {

std::string_view ValueOf(std::string_view line) {
    const size_t at = line.find('=');
    return at == std::string_view::npos ? std::string_view{} : line.substr(at + 1);
}

// The value of the section's first "TLine" line, found without copying the section.
std::string_view CableLineValue(const TBigIniFile& reader, int section) {
    for (int i = 0; i < reader.SectionLineCount(section); ++i) {
        const std::string_view line = reader.SectionLine(section, i);
        const size_t at = line.find('=');
        if (at != std::string_view::npos && SameTextIgnoringCase(line.substr(0, at), "TLine"))
            return line.substr(at + 1);
    }
    return {};
}

bool PairMatches(std::string_view value, int top, int bottom) {
    const int a = StrToInt(FieldAt(value, 1));
    const int b = StrToInt(FieldAt(value, 2));
    return (a == top && b == bottom) || (b == top && a == bottom);
}

}  // namespace

void ReadJumperRecord(const std::string& line, TJumper& jumper) {
    const StringList items = SplitFields(line, "|");
    jumper.basePartNumber = ItemAt(items, 4);
    jumper.feetLengths = ItemAt(items, 6);
    jumper.meterLengths = ItemAt(items, 7);
}

namespace {

bool HasBothEnds(const TJumper& jumper) {
    return jumper.cable && jumper.topConnector && jumper.bottomConnector;
}

// The jumper's pair of connector codes in a cable's section.
bool SearchSection(const TBigIniFile& reader, const std::string& fileName, int section,
                   TJumper& jumper) {
    try {
        // Keys are distinct within a section, so a line's own value is the
        // value of its key.
        for (int i = 1; i < reader.SectionLineCount(section); ++i) {
            const std::string_view line = reader.SectionLine(section, i);
            if (PairMatches(ValueOf(line), jumper.topConnector->code,
                            jumper.bottomConnector->code)) {
                ReadJumperRecord(std::string(line), jumper);
                jumper.source = fileName + " [" + reader.SectionName(section) + "]";
                return true;
            }
        }
    } catch (const QuillError& error) {
        throw QuillError(fileName + " [" + reader.SectionName(section) + "]: " + error.what());
    }
    return false;
}

}  // namespace

bool FindStandardJumper(const std::filesystem::path& fileName, TJumper& jumper) {
    if (!HasBothEnds(jumper)) return false;
    const TBigIniFile reader(fileName);
    const std::string cablePartNumber = UpperCase(jumper.cable->partNumber);
    for (int section = 1; section < reader.SectionCount(); ++section) {
        if (UpperCase(FieldAt(CableLineValue(reader, section), 1)) == cablePartNumber)
            return SearchSection(reader, Utf8Of(fileName.filename()), section, jumper);
    }
    return false;
}

StandardJumpers::StandardJumpers(const std::filesystem::path& file)
    : reader_(file), fileName_(Utf8Of(file.filename())) {
    for (int section = reader_.SectionCount() - 1; section >= 1; --section)
        sectionOfCable_[UpperCase(FieldAt(CableLineValue(reader_, section), 1))] = section;
}

bool StandardJumpers::Find(TJumper& jumper) const {
    if (!HasBothEnds(jumper)) return false;
    const auto found = sectionOfCable_.find(UpperCase(jumper.cable->partNumber));
    return found != sectionOfCable_.end() &&
           SearchSection(reader_, fileName_, found->second, jumper);
}

}  // namespace quill
