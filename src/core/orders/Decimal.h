#pragma once

#include <string>
#include <string_view>

namespace quill {

// An exact decimal number, units / 10^scale, for quantities and money: "7.5"
// feet at "2.05" is 15.375 and shows as 15.38, not as whatever binary
// floating point happens to make of it. A number needs at most 38 digits
// (integer and fraction together, either sign); a longer one is not
// represented, and callers refuse it rather than guess.
struct Decimal {
    __int128 units = 0;
    int scale = 0;  // 0..38, trailing zeros removed

    friend bool operator==(const Decimal&, const Decimal&) = default;
};

// Reads the number shapes the program accepts everywhere (optional blanks,
// sign, digits with an optional fraction, optional exponent). False for
// anything else, and for a number that does not fit.
bool ParseDecimal(std::string_view text, Decimal& value);

// False when the result would not fit; the result is then unchanged.
bool MultiplyDecimals(const Decimal& a, const Decimal& b, Decimal& result);
bool AddDecimals(const Decimal& a, const Decimal& b, Decimal& result);
// a / b rounded half away from zero to two decimals; false for b = 0 and
// when the result or a step on the way would not fit.
bool DivideToCents(const Decimal& a, const Decimal& b, Decimal& result);

// Rounded half away from zero to two decimals, as money is shown: "15.38".
std::string DecimalMoneyText(const Decimal& value);
// Rounded half away from zero to two decimals.
Decimal RoundToCents(const Decimal& value);
// Every digit and no more: "3", "19.84", "0.3".
std::string DecimalText(const Decimal& value);
long double DecimalToLongDouble(const Decimal& value);
// The number nearest to value with two decimals, half away from zero; false
// when it does not fit.
bool DecimalFromLongDouble(long double value, Decimal& result);

}  // namespace quill
