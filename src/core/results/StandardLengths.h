#pragma once

#include <string>

#include "text/Fields.h"

namespace quill {

// The length code of a metric standard length: "2" gives "2M", "1.5" gives
// "1M5", "0.5" gives "M5".
std::string MetricLengthCode(const std::string& meters);

// One line per standard length, "code|feet|meters|": the feet entries first
// ("6|6|1.83|"), then the meter entries ("2M|6.56|2|"). An entry that is not a
// number is left out, the ones after it kept, and added to `rejected`.
StringList BuildStandardLengthList(const std::string& feetLengths, const std::string& meterLengths,
                                   StringList* rejected = nullptr);

// Whether the length as typed is one of the standard lengths: compared as text
// with the feet (or meters) field, so "6.0" is not "6".
bool MatchStandardLength(const StringList& lengthLines, const std::string& lengthText, bool meters);

// The nearest standard lengths less than 4 feet shorter and longer than the
// chosen one, as indexes into the lines (-1 for none). Lengths exactly 4 feet
// away are not offered; among equal lengths the first line wins.
struct NearestLengths {
    int shorter = -1;
    int longer = -1;
    bool Any() const { return shorter >= 0 || longer >= 0; }
};
NearestLengths FindNearestStandardLengths(const StringList& lengthLines, double length,
                                          bool meters);

// The base part number followed by the length code of the chosen length.
std::string ComposePartNumber(const std::string& basePartNumber, const std::string& lengthText,
                              bool meters);

}  // namespace quill
