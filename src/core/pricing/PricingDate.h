#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "platform/Clock.h"

namespace quill {

// "update.ini" beside the program keeps the date of the last pricing update as
// "last=mm/dd/yyyy" in section "UPDATE"; none for a missing file, section or
// key, or a text that is no valid date.
std::optional<Date> RecordedPricingDate(const std::filesystem::path& programFolder);
// The recorded date, or today without one.
Date ReadPricingDate(const std::filesystem::path& programFolder, const Date& today);
// The date the pricing database was last updated: the later of the recorded
// date and the day the price list file last changed (a fresh install has no
// record, and an update may bring a newer list); today only when neither is known.
Date PricingDate(const std::filesystem::path& programFolder, const std::filesystem::path& priceList,
                 const Date& today);
// Writes today's date, creating the file, section or key when missing.
void RecordPricingUpdate(const std::filesystem::path& programFolder, const Date& today);
// Prices are stale from the 30th day after the update on.
bool IsPricingStale(const Date& updated, const Date& today);

std::string PricingDateText(
    const std::string& date);  // "Your pricing database was last updated on: ..."

}  // namespace quill
