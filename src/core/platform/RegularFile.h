#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

namespace quill {

struct FileCloser {
    void operator()(std::FILE* file) const {
        if (file) std::fclose(file);
    }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// A file opened for reading, only when it is a regular file: a folder, a
// named pipe or a device (which could block the program or never end) gives
// no handle but a message naming the file and what it is instead. A file
// that is missing or cannot be opened gives "Cannot open file PATH" and the
// system's error number (ENOENT or ENOTDIR for a missing one).
struct OpenedFile {
    FileHandle file;
    int error = 0;        // the system's error number when there is no file
    std::string problem;  // "Cannot open file /x/a.qrf: it is a folder, not a file"
};
OpenedFile OpenRegularFile(const std::filesystem::path& path);

// The whole content of a regular file; throws a QuillError with the problem
// otherwise.
std::string ReadRegularFile(const std::filesystem::path& path);

}  // namespace quill
