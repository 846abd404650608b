#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quill {

using StringList = std::vector<std::string>;

// The n-th (1-based) "|"-terminated field of a record, trimmed. A field that no
// delimiter follows does not exist: "a|b|c" has only two fields.
std::string FieldAt(std::string_view text, int n, char delimiter = '|');

// Every field, untrimmed, including whatever follows the last delimiter
// ("a|b|" gives "a", "b" and ""). The delimiter may be several characters long.
void SplitFields(StringList& destination, std::string_view text, std::string_view delimiter);
StringList SplitFields(std::string_view text, std::string_view delimiter);

// The item at a 0-based index; throws "List index out of bounds (%d)" past the end.
const std::string& ItemAt(const StringList& items, size_t index);

std::string TextOrDefault(const std::string& text, const std::string& fallback);

// Removes every character with a code up to that of the blank from both ends.
std::string Trim(std::string_view text);
// Converts a to z only; every other byte stays as it is.
std::string UpperCase(std::string_view text);
bool SameTextIgnoringCase(std::string_view a, std::string_view b);

// Number conversion with "." as the decimal separator whatever the locale:
// optional blanks, optional sign, digits with an optional fraction, an optional
// exponent, optional blanks, and nothing else.
bool TryStrToFloat(std::string_view text, double& value);
double StrToFloat(std::string_view text);  // throws "'%s' is not a valid floating point value"
bool TryStrToInt(std::string_view text, int& value);
int StrToInt(std::string_view text);  // 32-bit; throws "'%s' is not a valid integer value"

// The number in the text, or the one in the fallback when the text is empty or
// not a number. The fallback itself is converted unguarded.
double FloatOrDefault(const std::string& text, const std::string& fallback);

// The number test shared by the numeric input boxes: an empty text passes.
bool IsNumericText(std::string_view text);

// True for the eight characters that open a line which is not a record.
bool IsCommentLineStart(char c);

// Ascending by numeric value; equal values keep their order. Throws the
// conversion error for an item that is not a number.
void SortNumericStrings(StringList& list);

// Shortest text with up to 15 significant digits: 800 -> "800", 1.5 -> "1.5".
// An infinity or NaN is no figure: it throws a clear error instead.
std::string FloatToText(double value);
// Two decimals, no thousands separator: "%.2f", however long. Throws for an
// infinity or NaN.
std::string FormatMoney(double value);
// The same with that many decimals: FormatFixed(93.849, 1) -> "93.8".
std::string FormatFixed(double value, int decimals);

// A text as a file name: the characters no file name may hold ("/\\:*?"<>|"
// and control characters) become "-".
std::string SafeFileName(std::string text);

}  // namespace quill
