#pragma once

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// The bytes of a file, exactly; empty when it cannot be read.
inline std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Sets a file's last change to noon of a day, local time; false when it cannot.
inline bool SetDayOfLastChange(const std::filesystem::path& file, int year, int month, int day) {
    std::tm noon{};
    noon.tm_year = year - 1900;
    noon.tm_mon = month - 1;
    noon.tm_mday = day;
    noon.tm_hour = 12;
    noon.tm_isdst = -1;
    const std::time_t seconds = std::mktime(&noon);
    std::error_code error;
    std::filesystem::last_write_time(
        file, std::chrono::file_clock::from_sys(std::chrono::system_clock::from_time_t(seconds)),
        error);
    return !error;
}

// The price list of the sample data as shipped long ago, so that the pricing
// date a test shows is the one its update.ini records.
inline constexpr int kPriceListDay[3] = {2026, 1, 2};
inline bool DatePriceList(const std::filesystem::path& sharedFolder) {
    return SetDayOfLastChange(sharedFolder / "M_lom.dat", kPriceListDay[0], kPriceListDay[1],
                              kPriceListDay[2]);
}

// The names in a folder, for spotting files left behind.
inline std::vector<std::string> FolderNames(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
