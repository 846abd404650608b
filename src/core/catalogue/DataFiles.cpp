#include "catalogue/DataFiles.h"

#include <set>

#include "catalogue/Catalogue.h"
#include "platform/PathText.h"
#include "platform/RegularFile.h"
#include "text/Error.h"

namespace fs = std::filesystem;

namespace quill {

std::optional<fs::path> FindFileIgnoringCase(const fs::path& folder,
                                             const std::string& relativeName) {
    fs::path found = folder;
    for (const fs::path& part : PathFromUtf8(relativeName)) {
        std::error_code error;
#ifndef _WIN32
        // Found as asked, it is spelled so. Where the system ignores letter
        // case, the folder's own list tells how the name is spelled on disk.
        if (fs::exists(found / part, error)) {
            found /= part;
            continue;
        }
#endif
        bool matched = false;
        for (const auto& entry : fs::directory_iterator(found, error)) {
            if (SameTextIgnoringCase(Utf8Of(entry.path().filename()), Utf8Of(part))) {
                found = entry.path();
                matched = true;
                break;
            }
        }
        if (!matched) return std::nullopt;
    }
    return found;
}

fs::path DataFilePath(const fs::path& folder, const std::string& relativeName) {
    return FindFileIgnoringCase(folder, relativeName)
        .value_or((folder / relativeName).make_preferred());
}

StringList ReadAllLines(const fs::path& file) {
    const std::string text = ReadRegularFile(file);
    StringList lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() &&
            text[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return lines;
}

StringList MissingRequiredFiles(const fs::path& sharedFolder, const fs::path& programFolder) {
    StringList missing;
    // Looked for as "M_Lom.dat", in any case; named as the file is spelled.
    if (!FindFileIgnoringCase(sharedFolder, "M_Lom.dat"))
        missing.push_back(sharedFolder.empty() ? "M_lom.dat (no shared data folder is registered)"
                                               : Utf8Of(sharedFolder / "M_lom.dat"));
    for (const char* name : {"dat/tlineconnectors.dat", "dat/images.dat", "dat/jumpers.dat"})
        if (!FindFileIgnoringCase(programFolder, name))
            missing.push_back(Utf8Of((programFolder / fs::path(name)).make_preferred()));
    return missing;
}

bool RequiredFilesPresent(const fs::path& sharedFolder, const fs::path& programFolder) {
    return MissingRequiredFiles(sharedFolder, programFolder).empty();
}

FrequencyLists BuildFrequencyLists(const std::vector<TTransmissionLine*>& cables) {
    FrequencyLists lists;
    std::set<std::string> seenBegin, seenEnd;
    for (const TTransmissionLine* cable : cables) {
        const std::string low = FloatToText(cable->lowFrequency);
        const std::string high = FloatToText(cable->highFrequency);
        if (seenBegin.insert(low).second) lists.begin.push_back(low);
        if (seenEnd.insert(high).second) lists.end.push_back(high);
    }
    SortNumericStrings(lists.begin);
    SortNumericStrings(lists.end);
    return lists;
}

StringList FrequenciesAbove(const StringList& list, double value) {
    StringList result;
    for (const std::string& item : list)
        if (StrToFloat(item) > value) result.push_back(item);
    return result;
}

StringList FrequenciesBelow(const StringList& list, double value) {
    StringList result;
    for (const std::string& item : list)
        if (StrToFloat(item) < value) result.push_back(item);
    return result;
}

}  // namespace quill
