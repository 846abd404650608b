#pragma once

#include <compare>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quill {

// A calendar day (proleptic Gregorian), without time or zone.
struct Date {
    int year = 1970;
    int month = 1;  // 1..12
    int day = 1;    // 1..31

    friend auto operator<=>(const Date&, const Date&) = default;
};

// The source of "today". The program uses the computer's clock; tests set it.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual Date Today() const = 0;
};

bool IsValidDate(const Date& date);

// "mm/dd/yyyy", the program's one short date format: "01/31/2004".
std::string FormatDate(const Date& date);

// Reads "mm/dd/yyyy". Month and day may have one or two digits, the year has
// four; nothing else may stand in the text, and the day must exist (02/29/2003
// does not). Answers false and leaves the date alone for anything else.
bool ParseDate(std::string_view text, Date& date);

// The local day a file last changed; none when it cannot be told.
std::optional<Date> DayOfLastChange(const std::filesystem::path& file);

// Whole days later (negative: earlier).
Date AddDays(const Date& date, int days);

// Whole days from "from" to "to": positive when "to" is later.
int DaysBetween(const Date& from, const Date& to);

}  // namespace quill
