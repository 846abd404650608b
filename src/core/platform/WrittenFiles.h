#pragma once

#include <filesystem>

namespace quill {

// True when a new file can be made in the folder. The file system is asked
// itself (a file is created and removed again): permission bits alone do not
// tell about read-only mounts, access lists or an administrator's account.
bool CanWriteIn(const std::filesystem::path& folder);

// The folder of the files the program writes and reads back: the last order,
// "data\" with the order files, the "txt\", "xls\", "html\" and "pdf\"
// exports and "update.ini". Beside the program when its folder can be written
// (a copy of its own, a development build); otherwise, as for an installed
// program whose folder belongs to the administrator, the user's data folder.
// The catalogue, the pictures and the exchange rates are read from the
// program folder whatever this answers.
std::filesystem::path WrittenFilesFolder(const std::filesystem::path& programFolder,
                                         bool programFolderWritable,
                                         const std::filesystem::path& userDataFolder);

}  // namespace quill
