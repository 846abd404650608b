#pragma once

#include <filesystem>
#include <string>

#include "platform/Clock.h"

namespace quill {

// "update.ini" beside the program keeps the date of the last pricing update as
// "last=mm/dd/yyyy" in section "UPDATE". A missing file, section or key, or a
// text that is no valid date, reads as today.
Date ReadPricingDate(const std::filesystem::path& programFolder, const Date& today);
// Writes today's date, creating the file, section or key when missing.
void RecordPricingUpdate(const std::filesystem::path& programFolder, const Date& today);
// Prices are stale from the 30th day after the update on.
bool IsPricingStale(const Date& updated, const Date& today);

std::string PricingDateText(const std::string& date);  // "Your pricing database was last updated on: ..."

}  // namespace quill
