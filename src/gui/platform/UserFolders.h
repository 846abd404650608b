#pragma once

#include <filesystem>

namespace quill {

// Names the program: organisation "Orlenk" and application "Quillroute" place
// its per-user files (QStandardPaths::AppDataLocation ends in
// "Orlenk/Quillroute"). The window adds the title users know.
void NameApplication();

// WrittenFilesFolder() for a program in the given folder, with this user's
// data folder (QStandardPaths::AppDataLocation, after NameApplication()),
// whether or not that folder exists yet.
std::filesystem::path WhereWrittenFilesGo(const std::filesystem::path& programFolder);

// The same folder, made when it is the user's, so that the writers find it.
std::filesystem::path WrittenFilesFolderFor(const std::filesystem::path& programFolder);

}  // namespace quill
