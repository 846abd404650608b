#include "orders/Decimal.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace quill {

namespace {

constexpr int kMaxScale = 38;
// 38 digits at most, the same either side of zero, so a value always negates.
constexpr __int128 kMaxUnits = (__int128{10000000000000000000ULL} * 10000000000000000000ULL) - 1;

bool Fits(__int128 units) { return units >= -kMaxUnits && units <= kMaxUnits; }

__int128 Pow10(int n) {
    __int128 p = 1;
    for (int i = 0; i < n; ++i) p *= 10;
    return p;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool TimesPow10(__int128 units, int n, __int128& result) {
    for (int i = 0; i < n; ++i)
        if (__builtin_mul_overflow(units, 10, &units)) return false;
    result = units;
    return true;
}

// Removes trailing zeros of the fraction, so equal numbers compare equal.
// Worked on in plain variables, and in 64 bits when the number fits them,
// as it nearly always does: this runs for every figure of every line.
Decimal Normalised(__int128 units, int scale) {
    if (units >= INT64_MIN && units <= INT64_MAX) {
        auto small = static_cast<std::int64_t>(units);
        while (scale > 0 && small % 10 == 0) small /= 10, --scale;
        return Decimal{small, small == 0 ? 0 : scale};
    }
    while (scale > 0 && units % 10 == 0) units /= 10, --scale;
    return Decimal{units, units == 0 ? 0 : scale};
}
Decimal Normalised(const Decimal& value) { return Normalised(value.units, value.scale); }

std::string DigitsOf(unsigned __int128 magnitude) {
    if (magnitude <= UINT64_MAX) {
        char buffer[24];
        const auto [end, error] =
            std::to_chars(buffer, buffer + sizeof buffer, static_cast<std::uint64_t>(magnitude));
        if (error == std::errc()) return std::string(buffer, end);
    }
    std::string digits;
    while (magnitude > 0) {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(magnitude % 10)));
        magnitude /= 10;
    }
    return digits;
}

// |units|, negated as unsigned so that no value can overflow.
unsigned __int128 Magnitude(__int128 units) {
    const auto bits = static_cast<unsigned __int128>(units);
    return units < 0 ? ~bits + 1 : bits;
}

// units / 10^scale written out with exactly `scale` decimals.
std::string Written(__int128 units, int scale) {
    const bool negative = units < 0;
    const std::string digits = DigitsOf(Magnitude(units));
    const std::size_t decimals = static_cast<std::size_t>(scale);
    std::string text = negative ? "-" : "";
    if (decimals == 0) return text + digits;
    const std::string padded =
        digits.size() > decimals ? digits : std::string(decimals + 1 - digits.size(), '0') + digits;
    const std::size_t whole = padded.size() - decimals;
    return text + padded.substr(0, whole) + "." + padded.substr(whole);
}

using Wide = std::array<std::uint64_t, 4>;  // 256 bits, least significant first

Wide WideProduct(unsigned __int128 x, unsigned __int128 y) {
    const std::uint64_t xs[2] = {static_cast<std::uint64_t>(x),
                                 static_cast<std::uint64_t>(x >> 64)};
    const std::uint64_t ys[2] = {static_cast<std::uint64_t>(y),
                                 static_cast<std::uint64_t>(y >> 64)};
    Wide product{};
    for (int i = 0; i < 2; ++i) {
        unsigned __int128 carry = 0;
        for (int j = 0; j < 2; ++j) {
            const unsigned __int128 sum =
                static_cast<unsigned __int128>(xs[i]) * ys[j] + product[i + j] + carry;
            product[i + j] = static_cast<std::uint64_t>(sum);
            carry = sum >> 64;
        }
        product[i + 2] = static_cast<std::uint64_t>(carry);
    }
    return product;
}

// Divides by 10 when that leaves no rest.
bool DivideByTen(Wide& value) {
    Wide quotient{};
    unsigned __int128 rest = 0;
    for (int i = 3; i >= 0; --i) {
        const unsigned __int128 part = (rest << 64) | value[i];
        quotient[i] = static_cast<std::uint64_t>(part / 10);
        rest = part % 10;
    }
    if (rest != 0) return false;
    value = quotient;
    return true;
}

// A product too long for 128 bits can still be a number that fits once the
// zeros ending its fraction are gone: 7.5 x 955...0 has 39 digits at first.
bool WideProductFits(const Decimal& a, const Decimal& b, Decimal& product) {
    Wide wide = WideProduct(Magnitude(a.units), Magnitude(b.units));
    int scale = a.scale + b.scale;
    while (scale > 0 && DivideByTen(wide)) --scale;
    if (wide[2] != 0 || wide[3] != 0) return false;
    const unsigned __int128 magnitude = (static_cast<unsigned __int128>(wide[1]) << 64) | wide[0];
    if (magnitude > static_cast<unsigned __int128>(kMaxUnits)) return false;
    const auto units = static_cast<__int128>(magnitude);
    product = Decimal{(a.units < 0) != (b.units < 0) ? -units : units, scale};
    return true;
}

// A sum whose terms pass 128 bits on the common scale can still fit once
// they cancel or the zeros ending it are gone: 1.8e37 - 9.9e36 is 8.1e36.
bool WideSumFits(const Decimal& a, const Decimal& b, int scale, Decimal& sum) {
    Wide x =
        WideProduct(Magnitude(a.units), static_cast<unsigned __int128>(Pow10(scale - a.scale)));
    Wide y =
        WideProduct(Magnitude(b.units), static_cast<unsigned __int128>(Pow10(scale - b.scale)));
    bool negative = a.units < 0;
    if ((a.units < 0) == (b.units < 0)) {
        std::uint64_t carry = 0;
        for (int i = 0; i < 4; ++i) {
            const unsigned __int128 part = static_cast<unsigned __int128>(x[i]) + y[i] + carry;
            x[i] = static_cast<std::uint64_t>(part);
            carry = static_cast<std::uint64_t>(part >> 64);
        }
    } else {
        if (std::lexicographical_compare(x.rbegin(), x.rend(), y.rbegin(), y.rend())) {
            std::swap(x, y);
            negative = b.units < 0;
        }
        std::uint64_t borrow = 0;
        for (int i = 0; i < 4; ++i) {
            const unsigned __int128 take = static_cast<unsigned __int128>(y[i]) + borrow;
            borrow = x[i] < take ? 1 : 0;
            x[i] = static_cast<std::uint64_t>(x[i] - take);
        }
    }
    while (scale > 0 && DivideByTen(x)) --scale;
    if (x[2] != 0 || x[3] != 0) return false;
    const unsigned __int128 magnitude = (static_cast<unsigned __int128>(x[1]) << 64) | x[0];
    if (magnitude > static_cast<unsigned __int128>(kMaxUnits)) return false;
    const auto units = static_cast<__int128>(magnitude);
    sum = Normalised(negative ? -units : units, scale);
    return true;
}

}  // namespace

bool ParseDecimal(std::string_view text, Decimal& value) {
    std::string_view s = text;
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    // The digits are taken without the zeros that end them, which only say
    // where the point is: "1000...0e-40" has one digit, not 41. Such zeros
    // wait and are taken in only when another digit follows.
    __int128 units = 0;
    int digits = 0, taken = 0;
    long zeros = 0;  // waiting zeros
    long shift = 0;  // units * 10^shift is the number read so far
    // The first eighteen digits cannot overflow, and the product of two
    // 64-bit numbers costs far less than a checked 128-bit one.
    const auto take = [&](char c) {
        if (c == '0' && units == 0) return true;  // a leading zero
        if (c == '0') return ++zeros, true;
        for (; zeros > 0; --zeros, ++taken)
            if (__builtin_mul_overflow(units, 10, &units)) return false;
        if (++taken <= 18) {
            units = static_cast<__int128>(static_cast<std::int64_t>(units) * 10 + (c - '0'));
            return true;
        }
        return !__builtin_mul_overflow(units, 10, &units) &&
               !__builtin_add_overflow(units, c - '0', &units);
    };
    for (; i < s.size() && IsDigit(s[i]); ++i, ++digits)
        if (!take(s[i])) return false;
    if (i < s.size() && s[i] == '.') {
        for (++i; i < s.size() && IsDigit(s[i]); ++i, ++digits, --shift)
            if (!take(s[i])) return false;
    }
    if (digits == 0) return false;
    long exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        bool exponentNegative = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) exponentNegative = s[i++] == '-';
        int exponentDigits = 0;
        for (; i < s.size() && IsDigit(s[i]); ++i, ++exponentDigits)
            if (exponent < 100000) exponent = exponent * 10 + (s[i] - '0');
        if (exponentDigits == 0) return false;
        if (exponentNegative) exponent = -exponent;
    }
    if (i != s.size()) return false;
    if (units == 0) {
        value = Decimal{};
        return true;
    }
    // units ends in a digit other than zero, so its scale cannot shrink.
    long scale = -(shift + zeros + exponent);
    if (scale < 0) {
        if (scale < -kMaxScale || !TimesPow10(units, static_cast<int>(-scale), units)) return false;
        scale = 0;
    }
    if (scale > kMaxScale || !Fits(units)) return false;
    value = Decimal{negative ? -units : units, static_cast<int>(scale)};
    return true;
}

bool MultiplyDecimals(const Decimal& a, const Decimal& b, Decimal& result) {
    Decimal product;
    std::int64_t small = 0;
    if (a.units >= INT64_MIN && a.units <= INT64_MAX && b.units >= INT64_MIN &&
        b.units <= INT64_MAX &&
        !__builtin_mul_overflow(static_cast<std::int64_t>(a.units),
                                static_cast<std::int64_t>(b.units), &small))
        product.units = small;
    else if (__builtin_mul_overflow(a.units, b.units, &product.units)) {
        if (!WideProductFits(a, b, product) || product.scale > kMaxScale) return false;
        result = product;
        return true;
    }
    product.scale = a.scale + b.scale;
    product = Normalised(product);
    if (product.scale > kMaxScale || !Fits(product.units)) return false;
    result = product;
    return true;
}

bool AddDecimals(const Decimal& a, const Decimal& b, Decimal& result) {
    const int scale = a.scale > b.scale ? a.scale : b.scale;
    __int128 x = 0, y = 0, sum = 0;
    if (TimesPow10(a.units, scale - a.scale, x) && TimesPow10(b.units, scale - b.scale, y) &&
        !__builtin_add_overflow(x, y, &sum)) {
        const Decimal total = Normalised(sum, scale);
        if (!Fits(total.units)) return false;
        result = total;
        return true;
    }
    return WideSumFits(a, b, scale, result);
}

bool DivideToCents(const Decimal& a, const Decimal& b, Decimal& result) {
    // a / b = (a.units * 10^b.scale) / (b.units * 10^a.scale); in cents the
    // dividend takes two more zeros.
    __int128 dividend = 0, divisor = 0;
    if (b.units == 0 || !TimesPow10(a.units, b.scale + 2, dividend) ||
        !TimesPow10(b.units, a.scale, divisor))
        return false;
    if (divisor < 0) divisor = -divisor, dividend = -dividend;
    __int128 cents = dividend / divisor;
    const __int128 rest = dividend % divisor, half = rest < 0 ? -rest : rest;
    if (half >= divisor - half) cents += dividend < 0 ? -1 : 1;  // 2 * rest could overflow
    const Decimal quotient = Normalised(cents, 2);
    if (!Fits(quotient.units)) return false;
    result = quotient;
    return true;
}

Decimal RoundToCents(const Decimal& value) {
    if (value.scale <= 2) return value;
    const __int128 divisor = Pow10(value.scale - 2);
    __int128 cents = value.units / divisor;
    const __int128 rest = value.units % divisor;
    if (2 * (rest < 0 ? -rest : rest) >= divisor) cents += value.units < 0 ? -1 : 1;
    return Normalised(cents, 2);
}

std::string DecimalMoneyText(const Decimal& value) {
    // Zeros are written rather than multiplied in: a value near the largest
    // would not fit a hundred times over.
    const Decimal cents = RoundToCents(value);
    const std::string text = Written(cents.units, cents.scale);
    return cents.scale == 2 ? text : cents.scale == 1 ? text + "0" : text + ".00";
}

std::string DecimalText(const Decimal& value) { return Written(value.units, value.scale); }

long double DecimalToLongDouble(const Decimal& value) {
    return static_cast<long double>(value.units) / static_cast<long double>(Pow10(value.scale));
}

bool DecimalFromLongDouble(long double value, Decimal& result) {
    const long double cents = std::round(value * 100.0L);
    if (!std::isfinite(cents) || std::fabs(cents) > 1e36L) return false;
    result = Normalised(static_cast<__int128>(cents), 2);
    return true;
}

}  // namespace quill
