#include "platform/RegularFile.h"

#include <cerrno>

#include "platform/OpenFile.h"
#include "platform/PathText.h"
#include "text/Error.h"

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#elif defined(_WIN32)
#include <io.h>
#include <windows.h>
#endif

namespace quill {

namespace fs = std::filesystem;

namespace {

// "Cannot open file PATH", with what the file is when that is the reason.
OpenedFile Refused(const fs::path& path, int error, const std::string& why = "") {
    OpenedFile opened;
    opened.error = error;
    opened.problem = "Cannot open file " + Utf8Of(path) + (why.empty() ? "" : ": " + why);
    return opened;
}

}  // namespace

OpenedFile OpenRegularFile(const fs::path& path) {
#if defined(__unix__) || defined(__APPLE__)
    // Opened without waiting, so that a named pipe with no writer cannot hold
    // the program; what it is, is asked of the open file itself.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        return Refused(path, error);
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        const bool folder = S_ISDIR(status.st_mode);
        ::close(fd);
        return Refused(path, folder ? EISDIR : EINVAL,
                       folder ? "it is a folder, not a file"
                              : "it is not a regular file (a named pipe or a device)");
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        const int error = errno;
        ::close(fd);
        return Refused(path, error);
    }
    OpenedFile opened;
    opened.file.reset(::fdopen(fd, "rb"));
    if (!opened.file) {
        const int error = errno;
        ::close(fd);
        return Refused(path, error);
    }
    return opened;
#else
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (fs::is_directory(status)) return Refused(path, EISDIR, "it is a folder, not a file");
    if (!ec && !fs::is_regular_file(status))
        return Refused(path, EINVAL, "it is not a regular file (a named pipe or a device)");
    OpenedFile opened;
    errno = 0;
    opened.file.reset(OpenFile(path, "rb"));
#ifdef _WIN32
    // A device such as NUL or CON opens as well and is told apart by its type.
    if (opened.file && ::GetFileType(reinterpret_cast<HANDLE>(
                           ::_get_osfhandle(::_fileno(opened.file.get())))) != FILE_TYPE_DISK) {
        opened.file.reset();
        return Refused(path, EINVAL, "it is not a regular file (a named pipe or a device)");
    }
#endif
    if (!opened.file) {
        const int error = errno != 0 ? errno : EIO;
        return Refused(path, error);
    }
    return opened;
#endif
}

std::string ReadRegularFile(const fs::path& path) {
    OpenedFile opened = OpenRegularFile(path);
    if (!opened.file) throw QuillError(opened.problem);
    std::string bytes;
    char buffer[65536];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, opened.file.get())) > 0)
        bytes.append(buffer, got);
    if (std::ferror(opened.file.get())) throw QuillError("Cannot read file " + Utf8Of(path));
    return bytes;
}

}  // namespace quill
