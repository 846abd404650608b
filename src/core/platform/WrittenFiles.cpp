#include "platform/WrittenFiles.h"

#include <cerrno>
#include <cstdio>
#include <random>
#include <system_error>

namespace quill {

namespace fs = std::filesystem;

bool CanWriteIn(const fs::path& folder) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return false;
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (int attempt = 0; attempt < 8; ++attempt) {
        char name[40];
        const int n = std::snprintf(name, sizeof name, ".quillroute-write-test.%08llx",
                                    static_cast<unsigned long long>(random() & 0xffffffffULL));
        if (n <= 0 || static_cast<std::size_t>(n) >= sizeof name) return false;
        const fs::path probe = folder / name;
        // "x": never touch a file that happens to carry the name already.
        if (std::FILE* file = std::fopen(probe.string().c_str(), "wbx")) {
            const bool closed = std::fclose(file) == 0;
            fs::remove(probe, ec);
            return closed;
        }
        if (errno != EEXIST) return false;
    }
    return false;
}

fs::path WrittenFilesFolder(const fs::path& programFolder, bool programFolderWritable,
                            const fs::path& userDataFolder) {
    // Without a user data folder (no home folder is known) the program folder
    // is still the best answer: its writers then report why they cannot write.
    if (programFolderWritable || userDataFolder.empty()) return programFolder;
    return userDataFolder;
}

}  // namespace quill
