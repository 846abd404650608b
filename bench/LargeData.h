#pragma once

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

// The large synthetic data set (5,000 cables x 20 connectors, a 200,000-line
// price list, a jumpers.dat of about 20 MB), made once per machine by the data
// generator and reused by later runs. Never committed.
inline std::filesystem::path LargeDataFolder() {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "quillroute-bench-large";
    const std::filesystem::path marker = folder / "complete";
    if (!std::filesystem::exists(marker)) {
        const std::string command = std::string("python3 '") + QUILLROUTE_SOURCE_DIR +
                                    "/tools/gen_data.py' --large '" + folder.string() +
                                    "' --cables 5000 --connectors 20 --price-lines 200000"
                                    " --jumpers-mb 20 > /dev/null";
        if (std::system(command.c_str()) != 0)
            throw std::runtime_error("could not generate the large data set: " + command);
        std::FILE* done = std::fopen(marker.c_str(), "w");
        if (done) std::fclose(done);
    }
    return folder;
}
