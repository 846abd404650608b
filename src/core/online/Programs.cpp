#include "online/Programs.h"

#include "text/Fields.h"

namespace quill {

std::vector<ProgramRegistration> ReadPrograms(Registry& registry) {
    std::vector<ProgramRegistration> programs;
    for (const std::string& name : registry.SubKeys(kMakerKey)) {
        const std::string key = std::string(kMakerKey) + "\\" + name;
        const auto value = [&](const char* valueName) {
            return registry.ReadString(key, valueName).value_or("");
        };
        ProgramRegistration program{name,          value("MenuCaption"), value("UpdateExe"),
                                    value("Path"), value("ExeName"),     value("UpdateDate")};
        if (program.menuCaption.empty() || program.updateExe.empty()) continue;
        programs.push_back(std::move(program));
    }
    return programs;
}

std::filesystem::path ProgramFile(const ProgramRegistration& program) {
    if (program.path.empty() || program.exeName.empty()) return {};
    std::string folder = program.path;
    for (char& c : folder)
        if (c == '\\') c = '/';
    return std::filesystem::path(folder) / program.exeName;
}

std::string LastUpdateText(const std::filesystem::path& programFile,
                           const std::string& updateDate) {
    if (!updateDate.empty()) return updateDate;
    if (programFile.empty()) return "Unknown";
    // The file's time as the computer's local calendar day.
    const std::optional<Date> day = DayOfLastChange(programFile);
    return day ? FormatDate(*day) : "Unknown";
}

int DefaultProgramRow(const std::vector<ProgramRegistration>& programs,
                      const std::string& defaultProgram) {
    int row = 0;
    for (int index = 0; index < static_cast<int>(programs.size()); ++index)
        if (programs[index].menuCaption == defaultProgram) row = index;
    return row;
}

RowColour ProgramRowColour(bool selected, bool pricingOnly, const std::string& lastUpdate,
                           const Date& today) {
    if (selected) return RowColour::HighlightText;
    if (pricingOnly) return RowColour::GrayText;
    Date updated;
    if (!ParseDate(Trim(lastUpdate), updated)) return RowColour::WindowText;
    return DaysBetween(updated, today) >= 90 ? RowColour::Red : RowColour::WindowText;
}

}  // namespace quill
