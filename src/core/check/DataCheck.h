#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace quill {

// One thing wrong with the data, where a maintainer finds it.
struct DataProblem {
    std::string file;     // relative to its folder: "dat/jumpers.dat", "M_lom.dat"
    int line = 0;         // 1-based; 0 when the problem is the file's as a whole
    std::string section;  // empty outside any section
    std::string message;

    friend bool operator==(const DataProblem&, const DataProblem&) = default;
};

// "dat/jumpers.dat:12: [RVX4-50K] message", or without the parts it lacks:
// "xcngrate.dat: message".
std::string FormatProblem(const DataProblem& problem);

struct DataCheckReport {
    std::vector<DataProblem> problems;
    std::vector<std::string> unreadable;  // files that could not be read at all
    int filesRead = 0;
};

// Reads the whole data set the way the program reads it and lists every
// problem, file by file in the order the program reads them: the price list of
// the shared folder; the catalogue, standard jumpers, picture list, pictures
// and exchange rates of the program folder; "update.ini" of the folder the
// program keeps its written files in (see WrittenFilesFolder()).
DataCheckReport CheckDataSet(const std::filesystem::path& programFolder,
                             const std::filesystem::path& sharedFolder,
                             const std::filesystem::path& writtenFolder);

}  // namespace quill
