#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

// The large synthetic data set (5,000 cables x 20 connectors, a 200,000-line
// price list, a jumpers.dat of about 20 MB), made once per machine by the data
// generator and reused by later runs. Never committed.
inline std::filesystem::path GeneratedDataFolder(const std::string& name, int cables,
                                                 int priceLines, int jumpersMb) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / name;
    const std::filesystem::path marker = folder / "complete";
    if (!std::filesystem::exists(marker)) {
        const std::string command = std::string("python3 '") + QUILLROUTE_SOURCE_DIR +
                                    "/tools/gen_data.py' --large '" + folder.string() +
                                    "' --cables " + std::to_string(cables) +
                                    " --connectors 20 --price-lines " + std::to_string(priceLines) +
                                    " --jumpers-mb " + std::to_string(jumpersMb) + " > /dev/null";
        if (std::system(command.c_str()) != 0)
            throw std::runtime_error("could not generate the large data set: " + command);
        std::ofstream done(marker);
    }
    return folder;
}

inline std::filesystem::path LargeDataFolder() {
    return GeneratedDataFolder("quillroute-bench-large", 5000, 200000, 20);
}

// A tenth of the large set's cables, with the same price list: what grows
// with the number of sizes shows against the large set.
inline std::filesystem::path TenthDataFolder() {
    return GeneratedDataFolder("quillroute-bench-tenth", 500, 200000, 2);
}

// One cable with 100,000 connectors (about 5 MB): the catalogue's worst case
// when each connector's value is looked up by its name.
inline std::filesystem::path OneCableFile() {
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / "quillroute-bench-one-cable-v1.dat";
    if (std::filesystem::exists(file)) return file;
    const std::filesystem::path partial = std::filesystem::path(file) += ".partial";
    {
        std::ofstream out(partial, std::ios::binary);
        std::string text =
            "[HEADER]\r\nTitle=one cable\r\n\r\n[RVX4-50K]\r\n"
            "TLine=1|8800|RVX4-50K|RVX4-50K|FOAM|0.0643|0.00019|1/2|S|ATC-F4|Y|Y|Y|2.3|40|\r\n";
        for (int i = 1; i <= 100000; ++i)
            text += "C" + std::to_string(i) + "=" + std::to_string(400000 + i) + "|F4DM-" +
                    std::to_string(i) + "|7-16 DIN Male||7-16 DIN Female||P|S|\r\n";
        out << text;
        out.close();
        if (!out) throw std::runtime_error("cannot write " + partial.string());
    }
    std::filesystem::rename(partial, file);
    return file;
}
