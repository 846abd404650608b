#pragma once

// What the fuzz targets share: a file of their own to hand a reader, and a
// check that stops the run with a message when a result is wrong.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "session/ProgramData.h"

namespace fuzz {

// A file under the temporary folder holding exactly these bytes; each call
// rewrites the same file of this process.
inline std::filesystem::path FileWith(std::string_view bytes, const char* name = "input.dat") {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("quillroute-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::filesystem::path file = folder / name;
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
}

inline std::filesystem::path Folder() { return FileWith("", "marker").parent_path(); }

#ifdef QUILLROUTE_SAMPLE_DATA
// The bundled data set, read once for the whole run.
inline quill::ProgramData& SampleData() {
    static quill::ProgramData data =
        quill::LoadProgramData(std::filesystem::path(QUILLROUTE_SAMPLE_DATA) / "program",
                               std::filesystem::path(QUILLROUTE_SAMPLE_DATA) / "shared",
                               [](const std::function<void()>& step) { return step(), true; });
    return data;
}
#endif

// A wrong result is a finding like a crash: it aborts, so the fuzzer keeps the input.
#define FUZZ_CHECK(condition, ...)                                                              \
    do {                                                                                        \
        if (!(condition)) {                                                                     \
            std::fprintf(stderr, "check failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::fprintf(stderr, "" __VA_ARGS__);                                               \
            std::abort();                                                                       \
        }                                                                                       \
    } while (false)

}  // namespace fuzz
