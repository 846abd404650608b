#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/Registry.h"

namespace quill {

// One of the maker's programs, as its installer registered it below
// "\Software\Orlenk".
struct ProgramRegistration {
    std::string subKey;
    std::string menuCaption;  // the name shown and matched
    std::string updateExe;    // its installer's file name on the server
    std::string path;         // its installation folder
    std::string exeName;      // its program file
    std::string updateDate;   // "mm/dd/yyyy" of its last update, or empty
};

inline constexpr const char* kMakerKey = "\\Software\\Orlenk";

// The updatable programs in the store's order: subkeys with a non-empty
// "MenuCaption" and "UpdateExe".
std::vector<ProgramRegistration> ReadPrograms(Registry& registry);

// The "Last Update" column: the recorded update date, else the day the
// program file was last changed, else "Unknown".
std::string LastUpdateText(const std::filesystem::path& programFile, const std::string& updateDate);

// The program file of a registration: its folder and file name.
std::filesystem::path ProgramFile(const ProgramRegistration& program);

// The row made current at the start: the last one whose name is exactly the
// default program's, else the first.
int DefaultProgramRow(const std::vector<ProgramRegistration>& programs,
                      const std::string& defaultProgram);

enum class RowColour { HighlightText, GrayText, Red, WindowText };

// How a row of the program list is drawn: selected rows in the highlight's
// text colour; all others grey while only pricing is updated; otherwise red
// from the 90th day after the last update on (a text that is no date is
// never red).
RowColour ProgramRowColour(bool selected, bool pricingOnly, const std::string& lastUpdate,
                           const Date& today);

// Three programs or more take long enough to ask first.
inline bool NeedsConfirmation(bool programFiles, int selectedCount) {
    return programFiles && selectedCount >= 3;
}

}  // namespace quill
