#include "pricing/PricingDate.h"

#include <algorithm>

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

std::optional<Date> RecordedPricingDate(const std::filesystem::path& programFolder) {
    TBigIniFile file(UpdateFile(programFolder));
    StringList lines;
    file.ReadSectionLines(kSection, lines);
    Date date;
    if (!ParseDate(Trim(LineValue(lines, kKey)), date)) return std::nullopt;
    return date;
}

Date ReadPricingDate(const std::filesystem::path& programFolder, const Date& today) {
    return RecordedPricingDate(programFolder).value_or(today);
}

Date PricingDate(const std::filesystem::path& programFolder, const std::filesystem::path& priceList,
                 const Date& today) {
    const std::optional<Date> recorded = RecordedPricingDate(programFolder);
    const std::optional<Date> listed = DayOfLastChange(priceList);
    if (recorded && listed) return std::max(*recorded, *listed);
    return recorded ? *recorded : listed.value_or(today);
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
