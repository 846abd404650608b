// The exact decimal arithmetic against a reference of its own: numbers of any
// length as decimal digits, added, multiplied, rounded and divided the way a
// person does it on paper. Whatever the two numbers, an operation either
// gives the reference's exact result or says that the result does not fit
// 38 digits; it never gives another number.

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "orders/Decimal.h"

using namespace quill;

namespace {

// |value| as decimal digits, most significant first, and the digits after the
// point; "0" has no digits.
struct Exact {
    bool negative = false;
    std::string digits;
    int scale = 0;
};

std::string Stripped(std::string digits) {
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? std::string() : digits.substr(first);
}

Exact FromDecimal(const Decimal& value) {
    const std::string text = DecimalText(value);
    Exact exact;
    exact.negative = text[0] == '-';
    std::string digits;
    for (const char c : text) {
        if (c >= '0' && c <= '9') digits += c;
    }
    const std::size_t point = text.find('.');
    exact.scale = point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
    exact.digits = Stripped(digits);
    if (exact.digits.empty()) exact.negative = false;
    return exact;
}

// Trailing zeros of the fraction removed, as the decimals keep numbers.
Exact Normal(Exact value) {
    value.digits = Stripped(value.digits);
    while (value.scale > 0 && !value.digits.empty() && value.digits.back() == '0') {
        value.digits.pop_back();
        --value.scale;
    }
    if (value.digits.empty()) value = Exact{};
    return value;
}

int CompareMagnitude(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    return a.compare(b) < 0 ? -1 : a.compare(b) > 0 ? 1 : 0;
}

std::string AddMagnitudes(const std::string& a, const std::string& b) {
    std::string sum;
    int carry = 0;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()) || carry; ++i) {
        const int x = i < a.size() ? a[a.size() - 1 - i] - '0' : 0;
        const int y = i < b.size() ? b[b.size() - 1 - i] - '0' : 0;
        sum += static_cast<char>('0' + (x + y + carry) % 10);
        carry = (x + y + carry) / 10;
    }
    std::reverse(sum.begin(), sum.end());
    return Stripped(sum);
}

// a - b for a >= b.
std::string SubtractMagnitudes(const std::string& a, const std::string& b) {
    std::string difference;
    int borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        int x = a[a.size() - 1 - i] - '0' - borrow;
        const int y = i < b.size() ? b[b.size() - 1 - i] - '0' : 0;
        borrow = x < y;
        difference += static_cast<char>('0' + x + (borrow ? 10 : 0) - y);
    }
    std::reverse(difference.begin(), difference.end());
    return Stripped(difference);
}

std::string MultiplyMagnitudes(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) return std::string();
    std::vector<int> product(a.size() + b.size(), 0);
    for (std::size_t i = 0; i < a.size(); ++i)
        for (std::size_t j = 0; j < b.size(); ++j)
            product[i + j + 1] += (a[i] - '0') * (b[j] - '0');
    for (std::size_t k = product.size() - 1; k > 0; --k) {
        product[k - 1] += product[k] / 10;
        product[k] %= 10;
    }
    std::string digits;
    for (const int d : product) digits += static_cast<char>('0' + d);
    return Stripped(digits);
}

Exact Scaled(const Exact& value, int scale) {
    Exact scaled = value;
    if (!scaled.digits.empty())
        scaled.digits += std::string(static_cast<std::size_t>(scale - value.scale), '0');
    scaled.scale = scale;
    return scaled;
}

Exact Sum(const Exact& a, const Exact& b) {
    const int scale = std::max(a.scale, b.scale);
    const Exact x = Scaled(a, scale), y = Scaled(b, scale);
    Exact sum;
    sum.scale = scale;
    if (x.negative == y.negative) {
        sum.digits = AddMagnitudes(x.digits, y.digits);
        sum.negative = x.negative;
    } else if (CompareMagnitude(x.digits, y.digits) >= 0) {
        sum.digits = SubtractMagnitudes(x.digits, y.digits);
        sum.negative = x.negative;
    } else {
        sum.digits = SubtractMagnitudes(y.digits, x.digits);
        sum.negative = y.negative;
    }
    return Normal(sum);
}

Exact Product(const Exact& a, const Exact& b) {
    return Normal(
        {a.negative != b.negative, MultiplyMagnitudes(a.digits, b.digits), a.scale + b.scale});
}

// a / b to two decimals, half away from zero, by long division.
Exact QuotientInCents(const Exact& a, const Exact& b) {
    // a / b = (a.digits * 10^(b.scale + 2)) / (b.digits * 10^a.scale) cents
    const std::string dividend = a.digits + std::string(static_cast<std::size_t>(b.scale + 2), '0');
    const std::string divisor = b.digits + std::string(static_cast<std::size_t>(a.scale), '0');
    std::string quotient, rest;
    for (const char digit : dividend) {
        rest = Stripped(rest + digit);
        int times = 0;
        while (CompareMagnitude(rest, divisor) >= 0) {
            rest = SubtractMagnitudes(rest, divisor);
            ++times;
        }
        quotient += static_cast<char>('0' + times);
    }
    // Half away from zero: up when twice the rest reaches the divisor.
    if (CompareMagnitude(AddMagnitudes(rest, rest), divisor) >= 0)
        quotient = AddMagnitudes(Stripped(quotient), "1");
    return Normal({a.negative != b.negative, Stripped(quotient), 2});
}

bool Fits(const Exact& value) { return value.digits.size() <= 38 && value.scale <= 38; }

std::string Text(const Exact& value) {
    std::string digits = value.digits.empty() ? "0" : value.digits;
    if (value.scale > 0) {
        if (digits.size() <= static_cast<std::size_t>(value.scale))
            digits = std::string(static_cast<std::size_t>(value.scale) + 1 - digits.size(), '0') +
                     digits;
        digits.insert(digits.size() - static_cast<std::size_t>(value.scale), ".");
    }
    return (value.negative ? "-" : "") + digits;
}

void Check(const char* operation, bool held, const Decimal& result, const Exact& expected,
           bool mayRefuseOnTheWay = false) {
    if (!Fits(expected)) {
        FUZZ_CHECK(!held, "%s gave %s, which cannot fit\n", operation, DecimalText(result).c_str());
        return;
    }
    if (!held && mayRefuseOnTheWay) return;
    FUZZ_CHECK(held, "%s refused %s\n", operation, Text(expected).c_str());
    FUZZ_CHECK(DecimalText(result) == Text(expected), "%s gave %s, not %s\n", operation,
               DecimalText(result).c_str(), Text(expected).c_str());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('|');
    if (split == std::string::npos) return 0;
    Decimal a, b;
    if (!ParseDecimal(input.substr(0, split), a) || !ParseDecimal(input.substr(split + 1), b))
        return 0;
    const Exact x = FromDecimal(a), y = FromDecimal(b);
    FUZZ_CHECK(Fits(x) && Fits(y));

    Decimal result;
    const bool multiplied = MultiplyDecimals(a, b, result);
    Check("product", multiplied, result, Product(x, y));
    const bool added = AddDecimals(a, b, result);
    Check("sum", added, result, Sum(x, y));
    // Rounding cents of a held number always fits.
    Exact rounded = x.digits.empty() ? x : QuotientInCents(x, Exact{false, "1", 0});
    Check("cents", true, RoundToCents(a), rounded);
    if (!y.digits.empty()) {
        // The division may refuse a result that fits when a step on the way would not.
        const bool divided = DivideToCents(a, b, result);
        Check("quotient", divided, result, QuotientInCents(x, y), true);
    }
    return 0;
}
