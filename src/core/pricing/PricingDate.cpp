#include "pricing/PricingDate.h"

#include "catalogue/DataFiles.h"
#include "inifile/BigIniFile.h"

namespace quill {

namespace {

const char* const kSection = "UPDATE";
const char* const kKey = "last";

std::filesystem::path UpdateFile(const std::filesystem::path& programFolder) {
    return DataFilePath(programFolder, "update.ini");
}

}  // namespace

Date ReadPricingDate(const std::filesystem::path& programFolder, const Date& today) {
    TBigIniFile file(UpdateFile(programFolder));
    StringList lines;
    file.ReadSectionLines(kSection, lines);
    Date date = today;
    if (!ParseDate(Trim(LineValue(lines, kKey)), date)) return today;
    return date;
}

void RecordPricingUpdate(const std::filesystem::path& programFolder, const Date& today) {
    TBigIniFile file(UpdateFile(programFolder));
    StringList lines;
    file.ReadSectionLines(kSection, lines);
    const std::string entry = std::string(kKey) + "=" + FormatDate(today);
    bool replaced = false;
    for (std::string& line : lines) {
        if (SameTextIgnoringCase(Trim(LineName(line)), kKey)) {
            line = entry;
            replaced = true;
            break;
        }
    }
    if (!replaced) lines.push_back(entry);
    file.WriteSectionLines(kSection, lines);
    file.SaveIfChanged();
}

bool IsPricingStale(const Date& updated, const Date& today) {
    return DaysBetween(updated, today) >= 30;
}

std::string PricingDateText(const std::string& date) {
    return "Your pricing database was last updated on: " + date;
}

}  // namespace quill
