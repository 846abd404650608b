#include "platform/WrittenFiles.h"

#include <cstdio>
#include <system_error>

#include "platform/AtomicSave.h"

namespace quill {

namespace fs = std::filesystem;

bool CanWriteIn(const fs::path& folder) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return false;
    fs::path probe;
    int error = 0;
    std::FILE* file = CreateFreshFile(folder / ".quillroute-write-test", probe, error);
    if (file == nullptr) return false;
    const bool closed = std::fclose(file) == 0;
    fs::remove(probe, ec);
    return closed;
}

fs::path WrittenFilesFolder(const fs::path& programFolder, bool programFolderWritable,
                            const fs::path& userDataFolder) {
    // Without a user data folder (no home folder is known) the program folder
    // is still the best answer: its writers then report why they cannot write.
    if (programFolderWritable || userDataFolder.empty()) return programFolder;
    return userDataFolder;
}

}  // namespace quill
