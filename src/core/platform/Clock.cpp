#include "platform/Clock.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <system_error>

namespace quill {

namespace {

std::chrono::year_month_day ToYmd(const Date& date) {
    return std::chrono::year_month_day{std::chrono::year{date.year},
                                       std::chrono::month{static_cast<unsigned>(date.month)},
                                       std::chrono::day{static_cast<unsigned>(date.day)}};
}

Date FromYmd(const std::chrono::year_month_day& ymd) {
    return Date{static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
                static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

// Reads a run of digits of the given length range; true when it found one.
bool ReadNumber(std::string_view text, std::size_t& pos, std::size_t minDigits,
                std::size_t maxDigits, int& value) {
    std::size_t count = 0;
    int result = 0;
    while (pos < text.size() && count < maxDigits && text[pos] >= '0' && text[pos] <= '9') {
        result = result * 10 + (text[pos] - '0');
        ++pos;
        ++count;
    }
    if (count < minDigits) return false;
    value = result;
    return true;
}

}  // namespace

bool IsValidDate(const Date& date) {
    if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > 31) return false;
    return ToYmd(date).ok();
}

std::string FormatDate(const Date& date) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%02d/%02d/%04d", date.month, date.day, date.year);
    return buffer;
}

bool ParseDate(std::string_view text, Date& date) {
    std::size_t pos = 0;
    Date parsed;
    if (!ReadNumber(text, pos, 1, 2, parsed.month)) return false;
    if (pos >= text.size() || text[pos] != '/') return false;
    ++pos;
    if (!ReadNumber(text, pos, 1, 2, parsed.day)) return false;
    if (pos >= text.size() || text[pos] != '/') return false;
    ++pos;
    if (!ReadNumber(text, pos, 4, 4, parsed.year)) return false;
    if (pos != text.size() || !IsValidDate(parsed)) return false;
    date = parsed;
    return true;
}

Date AddDays(const Date& date, int days) {
    const std::chrono::sys_days start{ToYmd(date)};
    return FromYmd(std::chrono::year_month_day{start + std::chrono::days{days}});
}

int DaysBetween(const Date& from, const Date& to) {
    const std::chrono::sys_days a{ToYmd(from)};
    const std::chrono::sys_days b{ToYmd(to)};
    return static_cast<int>((b - a).count());
}

std::optional<Date> DayOfLastChange(const std::filesystem::path& file) {
    std::error_code error;
    const std::filesystem::file_time_type changed = std::filesystem::last_write_time(file, error);
    if (error) return std::nullopt;
    const std::time_t seconds =
        std::chrono::system_clock::to_time_t(std::chrono::file_clock::to_sys(changed));
    std::tm local{};
#ifdef _WIN32
    if (localtime_s(&local, &seconds) != 0) return std::nullopt;
#else
    if (!localtime_r(&seconds, &local)) return std::nullopt;
#endif
    return Date{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

}  // namespace quill
