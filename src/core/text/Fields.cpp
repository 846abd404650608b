#include "text/Fields.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>

#include "text/Error.h"

namespace quill {

std::string FieldAt(std::string_view text, int n, char delimiter) {
    std::string_view rest = text;
    std::string_view field;
    for (int i = 1; i <= n; ++i) {
        const size_t at = rest.find(delimiter);
        if (i == n) field = at == std::string_view::npos ? std::string_view{} : rest.substr(0, at);
        if (at != std::string_view::npos) rest.remove_prefix(at + 1);
    }
    return Trim(field);
}

void SplitFields(StringList& destination, std::string_view text, std::string_view delimiter) {
    destination.clear();
    if (delimiter.empty()) {
        destination.emplace_back(text);
        return;
    }
    size_t at;
    while ((at = text.find(delimiter)) != std::string_view::npos) {
        destination.emplace_back(text.substr(0, at));
        text.remove_prefix(at + delimiter.size());
    }
    destination.emplace_back(text);
}

StringList SplitFields(std::string_view text, std::string_view delimiter) {
    StringList list;
    SplitFields(list, text, delimiter);
    return list;
}

const std::string& ItemAt(const StringList& items, size_t index) {
    if (index >= items.size()) ThrowListIndex(static_cast<long long>(index));
    return items[index];
}

std::string TextOrDefault(const std::string& text, const std::string& fallback) {
    return text.empty() ? fallback : text;
}

std::string Trim(std::string_view text) {
    size_t first = 0;
    size_t last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= ' ') ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ') --last;
    return std::string(text.substr(first, last - first));
}

static char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

std::string UpperCase(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), UpperAscii);
    return result;
}

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return UpperAscii(x) == UpperAscii(y);
           });
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Checks the accepted shape and returns the part that std::from_chars reads:
// the number without blanks and without a leading "+".
bool NumberCore(std::string_view text, std::string_view& core) {
    size_t i = 0;
    size_t end = text.size();
    while (i < end && text[i] == ' ') ++i;
    while (end > i && text[end - 1] == ' ') --end;
    size_t start = i;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '+') ++start;
        ++i;
    }
    size_t digits = 0;
    while (i < end && IsDigit(text[i])) ++i, ++digits;
    if (i < end && text[i] == '.') {
        ++i;
        while (i < end && IsDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-')) ++i;
        size_t exponentDigits = 0;
        while (i < end && IsDigit(text[i])) ++i, ++exponentDigits;
        if (exponentDigits == 0) return false;
    }
    if (i != end) return false;
    core = text.substr(start, end - start);
    return true;
}

// A plain decimal of at most 15 digits without exponent, as nearly every
// number in the data files is: its digits and its power of ten are exact
// doubles, and one division rounds correctly, as the general conversion does.
bool PlainDecimal(std::string_view core, double& value) {
    static constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const bool negative = !core.empty() && core.front() == '-';
    std::int64_t digits = 0;
    int count = 0, fraction = -1;
    for (std::size_t i = negative ? 1 : 0; i < core.size(); ++i) {
        const char c = core[i];
        if (c == '.') {
            if (fraction >= 0) return false;
            fraction = 0;
        } else if (IsDigit(c) && count < 15) {
            digits = digits * 10 + (c - '0');
            ++count;
            if (fraction >= 0) ++fraction;
        } else {
            return false;
        }
    }
    const double magnitude = static_cast<double>(digits) / kPowers[fraction < 0 ? 0 : fraction];
    value = negative ? -magnitude : magnitude;
    return true;
}

}  // namespace

bool TryStrToFloat(std::string_view text, double& value) {
    std::string_view core;
    if (!NumberCore(text, core)) return false;
    if (PlainDecimal(core, value)) return true;
    // from_chars does not take a "+" after the exponent's "e" either; it reads
    // "1e+3" correctly, and "5." as 5.
    double result = 0;
    const auto [end, error] = std::from_chars(core.data(), core.data() + core.size(), result);
    if (error != std::errc() || end != core.data() + core.size() || !std::isfinite(result))
        return false;
    value = result;
    return true;
}

double StrToFloat(std::string_view text) {
    double value = 0;
    if (!TryStrToFloat(text, value)) ThrowInvalidFloat(std::string(text));
    return value;
}

bool TryStrToInt(std::string_view text, int& value) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    std::string_view core = text.substr(i);
    if (!core.empty() && core.front() == '+') core.remove_prefix(1);
    if (core.empty() || core.front() == '+' ||
        (core.front() == '-' && core.data() != text.data() + i))
        return false;
    long long result = 0;
    const auto [end, error] = std::from_chars(core.data(), core.data() + core.size(), result);
    if (error != std::errc() || end != core.data() + core.size() || result < INT_MIN ||
        result > INT_MAX)
        return false;
    value = static_cast<int>(result);
    return true;
}

int StrToInt(std::string_view text) {
    int value = 0;
    if (!TryStrToInt(text, value)) ThrowInvalidInteger(std::string(text));
    return value;
}

double FloatOrDefault(const std::string& text, const std::string& fallback) {
    double value = StrToFloat(fallback);
    if (!text.empty()) TryStrToFloat(text, value);
    return value;
}

bool IsNumericText(std::string_view text) {
    double ignored;
    return text.empty() || TryStrToFloat(text, ignored);
}

bool IsCommentLineStart(char c) {
    switch (c) {
        case ' ':
        case '#':
        case ';':
        case '[':
        case '^':
        case '`':
        case '{':
        case '~':
            return true;
        default:
            return false;
    }
}

void SortNumericStrings(StringList& list) {
    if (list.size() < 2) return;
    std::vector<std::pair<double, std::string>> keyed;
    keyed.reserve(list.size());
    for (auto& item : list) keyed.emplace_back(StrToFloat(item), std::move(item));
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 0; i < list.size(); ++i) list[i] = std::move(keyed[i].second);
}

namespace {

// Large enough for the fixed two-decimal text of the largest double (309
// digits and the decimals), so a conversion never runs out of room.
constexpr std::size_t kNumberText = 400;

[[noreturn]] void ThrowNotFinite() {
    throw QuillError(
        "A figure came out too large to show. Please check the values entered and the data "
        "files.");
}

}  // namespace

std::string FloatToText(double value) {
    if (!std::isfinite(value)) ThrowNotFinite();
    if (value == 0) return "0";
    char buffer[kNumberText];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    if (result.ec != std::errc()) ThrowNotFinite();
    double back = 0;
    if (!TryStrToFloat(std::string_view(buffer, result.ptr - buffer), back)) {
        // Rounded to 15 digits, the largest values pass the largest double:
        // their shortest exact text reads back.
        result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general);
        if (result.ec != std::errc()) ThrowNotFinite();
    }
    std::string text(buffer, result.ptr);
    // "1.5e+20" is written "1.5E20", as the other number texts of the program.
    const size_t e = text.find('e');
    if (e != std::string::npos) {
        std::string mantissa = text.substr(0, e);
        std::string exponent = text.substr(e + 1);
        if (!exponent.empty() && exponent[0] == '+') exponent.erase(0, 1);
        bool negative = !exponent.empty() && exponent[0] == '-';
        if (negative) exponent.erase(0, 1);
        exponent.erase(0, std::min(exponent.find_first_not_of('0'), exponent.size() - 1));
        text = mantissa + "E" + (negative ? "-" : "") + exponent;
    }
    return text;
}

std::string FormatFixed(double value, int decimals) {
    if (!std::isfinite(value)) ThrowNotFinite();
    char buffer[kNumberText];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc()) ThrowNotFinite();
    std::string text(buffer, result.ptr);
    if (text.starts_with('-') && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);  // no "-0.00"
    return text;
}

std::string FormatMoney(double value) { return FormatFixed(value, 2); }

std::string SafeFileName(std::string text) {
    for (char& c : text)
        if (std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos ||
            static_cast<unsigned char>(c) < ' ')
            c = '-';
    return text;
}

}  // namespace quill
