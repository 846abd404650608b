#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

namespace quill {

// Opens a file by its name whatever characters the name holds: by the
// name's wide form on Windows (a narrow name there is read in the system's
// code page, so "José" or "東京" would not be found), by its bytes
// elsewhere. The mode is fopen's; "wbx" creates the file only when no file
// of that name exists. Null with errno set when it cannot be opened.
std::FILE* OpenFile(const std::filesystem::path& path, const char* mode);

// The name to hand a C library that opens files by a narrow name
// (libxlsxwriter): the path's own bytes elsewhere; on Windows, when the long
// name holds characters outside ASCII, the file's short name, which does
// not. The file must exist.
std::string NarrowFileName(const std::filesystem::path& file);

}  // namespace quill
