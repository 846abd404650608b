#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quill {

// Paths cross into and out of texts as UTF-8 on every system. On Windows a
// path keeps its name in UTF-16, and std::filesystem reads and writes a
// narrow name in the C library's code page, so "Müller Ω 東京" would be lost
// or refused; elsewhere a path's bytes are its name.
std::filesystem::path PathFromUtf8(std::string_view text);
// On Windows with one kind of separator, as messages and the shell show it.
std::string Utf8Of(const std::filesystem::path& path);

#ifdef _WIN32
// UTF-16 text of the system (a message, an argument) in UTF-8, as it stands.
std::string Utf8FromWide(std::wstring_view wide);
#endif

// The program's arguments in UTF-8. On Windows a narrow argv holds them in
// the system's code page, losing what it cannot hold: they are taken from
// the wide command line there.
std::vector<std::string> Utf8Arguments(int argc, char* argv[]);

}  // namespace quill
