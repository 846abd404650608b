#include "results/StandardLengths.h"

#include "rf/Rf.h"

namespace quill {

std::string MetricLengthCode(const std::string& meters) {
    const size_t dot = meters.find('.');
    if (dot == std::string::npos) return meters + "M";
    std::string whole = Trim(meters.substr(0, dot));
    int wholeValue = 0;
    if (TryStrToInt(whole, wholeValue) && wholeValue == 0) whole.clear();
    return whole + "M" + meters.substr(dot + 1);
}

StringList BuildStandardLengthList(const std::string& feetLengths, const std::string& meterLengths,
                                   StringList* rejected) {
    StringList lines;
    double value = 0;
    std::string converted;
    // A length is a number above 0 whose length in the other unit shows as
    // more than 0.00 too.
    const auto usable = [&](const std::string& entry, double factor) {
        if (TryStrToFloat(entry, value) && value > 0) {
            converted = FormatMoney(value * factor);
            if (converted != "0.00") return true;
        }
        if (rejected && !Trim(entry).empty()) rejected->push_back(entry);
        return false;
    };
    for (const std::string& feet : SplitFields(feetLengths, ",")) {
        if (!usable(feet, 1 / kFeetPerMeter)) continue;
        lines.push_back(feet + "|" + feet + "|" + converted + "|");
    }
    for (const std::string& meters : SplitFields(meterLengths, ",")) {
        if (!usable(meters, kFeetPerMeter)) continue;
        lines.push_back(MetricLengthCode(meters) + "|" + converted + "|" + meters + "|");
    }
    return lines;
}

bool MatchStandardLength(const StringList& lengthLines, const std::string& lengthText,
                         bool meters) {
    const int field = meters ? 3 : 2;
    for (const std::string& line : lengthLines)
        if (FieldAt(line, field) == lengthText) return true;
    return false;
}

NearestLengths FindNearestStandardLengths(const StringList& lengthLines, double length,
                                          bool meters) {
    const double chosen = meters ? length * kFeetPerMeter : length;
    double shorter = chosen - 4, longer = chosen + 4;
    NearestLengths nearest;
    for (size_t i = 0; i < lengthLines.size(); ++i) {
        const double feet = StrToFloat(FieldAt(lengthLines[i], 2));
        if (feet > shorter && feet < chosen) shorter = feet, nearest.shorter = static_cast<int>(i);
        if (feet < longer && feet > chosen) longer = feet, nearest.longer = static_cast<int>(i);
    }
    return nearest;
}

std::string ComposePartNumber(const std::string& basePartNumber, const std::string& lengthText,
                              bool meters) {
    return basePartNumber + (meters ? MetricLengthCode(lengthText) : lengthText);
}

}  // namespace quill
