#include "platform/OpenFile.h"

#include <cerrno>
#include <string_view>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#endif

namespace quill {

#ifdef _WIN32

std::FILE* OpenFile(const std::filesystem::path& path, const char* mode) {
    // msvcrt's fopen knows no "x": the file is created exclusively by hand.
    if (std::string_view(mode) == "wbx") {
        const int fd = ::_wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY,
                                _S_IREAD | _S_IWRITE);
        if (fd < 0) return nullptr;
        std::FILE* file = ::_fdopen(fd, "wb");
        if (file == nullptr) ::_close(fd);
        return file;
    }
    const std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
    return ::_wfopen(path.c_str(), wideMode.c_str());
}

std::string NarrowFileName(const std::filesystem::path& file) {
    const std::wstring& name = file.native();
    bool ascii = true;
    for (const wchar_t c : name) ascii = ascii && c < 0x80;
    if (!ascii) {
        std::wstring shortName(MAX_PATH, L'\0');
        const DWORD length = ::GetShortPathNameW(name.c_str(), shortName.data(),
                                                 static_cast<DWORD>(shortName.size()));
        if (length > 0 && length < shortName.size()) {
            shortName.resize(length);
            return std::filesystem::path(shortName).string();
        }
    }
    return file.string();
}

#else

// Elsewhere a path's bytes are its name: the narrow open is the whole one.
std::FILE* OpenFile(const std::filesystem::path& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}

std::string NarrowFileName(const std::filesystem::path& file) { return file.string(); }

#endif

}  // namespace quill
