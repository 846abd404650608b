#pragma once

#include <array>
#include <string_view>

namespace quill {

// Every priced record keeps its price in these 35 currencies, in this order.
// The display picks a value by code, never by position.
inline constexpr std::array<std::string_view, 35> kCurrencyCodes = {
    "CAD", "DEM", "EUR", "JPY", "GBP", "BRL", "CNY", "ZAR", "HKD", "INR", "KRW", "PHP",
    "SGD", "TWD", "ATS", "BEF", "CHF", "DKK", "ESP", "FIM", "FRF", "GRD", "IEP", "ITL",
    "NLG", "NOK", "PTE", "SEK", "AED", "SAR", "MXP", "AUD", "IDR", "NZD", "ARS"};

using ConvertedPrices = std::array<double, kCurrencyCodes.size()>;

// Position of a code in kCurrencyCodes, or -1.
constexpr int CurrencyIndex(std::string_view code) {
    for (size_t i = 0; i < kCurrencyCodes.size(); ++i)
        if (kCurrencyCodes[i] == code) return static_cast<int>(i);
    return -1;
}

}  // namespace quill
