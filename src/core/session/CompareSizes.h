#pragma once

#include <optional>
#include <string>
#include <vector>

#include "session/QuoteSession.h"

namespace quill {

// One cable size quoted as Next would quote it with the page's other choices.
struct SizeRow {
    std::string cable;            // the size as the list shows it
    std::string grade;            // "Standard", "Premium", "Flame Retardant"
    int gradeIndex = 0;           // page 2's cable grade
    double attenuation = 0;       // dB/100 ft at the band's middle
    double totalAttenuation = 0;  // dB, the cable of the assembly's length
    double insertionLoss = 0;     // dB
    double efficiency = 0;        // %
    double maxPower = 0;          // kW
    double averagePower = 0;      // kW
    std::optional<double> price;  // in the currency in force; none without the connectors
    std::string priceText;        // as the result page shows it
    bool standardPart = false;    // a listed jumper at that length
    std::string note;             // why the size has no price, empty otherwise
    bool meets = true;            // within the limits given
    bool cheapest = false;        // the cheapest row that meets them
};

// The limits a row must meet; none when not given.
struct SizeLimits {
    std::optional<double> maxInsertionLoss;  // dB
    std::optional<double> minAveragePower;   // kW
};

// Marks the priced rows within the limits (a size the chosen connectors do
// not fit has no price and meets nothing) and the cheapest of them.
void MarkWithin(std::vector<SizeRow>& rows, const SizeLimits& limits);
// What the marks come to while a limit is given: "7 of 16 sizes meet the
// limits; 3 have no price." Empty without a limit.
std::string MeetsSummary(const std::vector<SizeRow>& rows, const SizeLimits& limits);

// The comparison's column headings, the price's naming its currency, and a
// row's cells as shown: figures to 0.01 as the result page has them, "Yes" for a
// standard part, the note where there is no price.
StringList ComparisonHeadings(const std::string& currencyCode);
StringList ComparisonCells(const SizeRow& row);
// The headings and the rows as tab-separated lines, for the clipboard.
std::string ComparisonText(const std::vector<SizeRow>& rows, const std::string& currencyCode);

// Every size of every grade that page 1's band and cable type admit, each
// quoted on a copy of the session (the session itself is left as it was)
// with the selection's other choices, in the order of the band's cable list.
// The cheapest priced row within the limits is marked.
std::vector<SizeRow> CompareSizes(const QuoteSession& session, const Selection& selection,
                                  const SizeLimits& limits = {});

}  // namespace quill
