#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "text/Fields.h"

namespace quill {

// Data file names are matched without regard to case ("M_Lom.dat" and
// "M_lom.dat" are one file), as on the platform the data comes from. The exact
// spelling is tried first.
std::optional<std::filesystem::path> FindFileIgnoringCase(const std::filesystem::path& folder,
                                                          const std::string& relativeName);
// The path to use for a data file: the existing file whatever its case, or
// the name as spelled when there is none.
std::filesystem::path DataFilePath(const std::filesystem::path& folder,
                                   const std::string& relativeName);

// Every line of a text file; lines end at CR LF, CR or LF. Throws
// "Cannot open file %s".
StringList ReadAllLines(const std::filesystem::path& file);

// The four files the program cannot run without: the price list in the shared
// data folder, and the catalogue, picture list and standard jumpers beside the
// program.
// The paths of those that are not there, in that order.
StringList MissingRequiredFiles(const std::filesystem::path& sharedFolder,
                                const std::filesystem::path& programFolder);
bool RequiredFilesPresent(const std::filesystem::path& sharedFolder,
                          const std::filesystem::path& programFolder);

// The distinct lowest and highest frequencies of the catalogue's cables, as
// texts in ascending numeric order.
struct FrequencyLists {
    StringList begin;
    StringList end;
};
struct TTransmissionLine;
FrequencyLists BuildFrequencyLists(const std::vector<TTransmissionLine*>& cables);

// The entries of a frequency list strictly above (or below) a value, in order.
StringList FrequenciesAbove(const StringList& list, double value);
StringList FrequenciesBelow(const StringList& list, double value);

}  // namespace quill
