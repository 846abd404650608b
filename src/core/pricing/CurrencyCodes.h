#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string_view>

namespace quill {

// Every priced record keeps its price in these 35 currencies, in this order.
// The display picks a value by code, never by position.
inline constexpr std::array<std::string_view, 35> kCurrencyCodes = {
    "CAD", "DEM", "EUR", "JPY", "GBP", "BRL", "CNY", "ZAR", "HKD", "INR", "KRW", "PHP",
    "SGD", "TWD", "ATS", "BEF", "CHF", "DKK", "ESP", "FIM", "FRF", "GRD", "IEP", "ITL",
    "NLG", "NOK", "PTE", "SEK", "AED", "SAR", "MXP", "AUD", "IDR", "NZD", "ARS"};

// A price in each of those currencies. It takes room only once a price is
// converted: a catalogue of a hundred thousand connectors prices a few.
class ConvertedPrices {
  public:
    using Values = std::array<double, kCurrencyCodes.size()>;

    ConvertedPrices() = default;
    ConvertedPrices(const ConvertedPrices& other)
        : values_(other.values_ ? std::make_unique<Values>(*other.values_) : nullptr) {}
    ConvertedPrices& operator=(const ConvertedPrices& other) {
        if (this != &other)
            values_ = other.values_ ? std::make_unique<Values>(*other.values_) : nullptr;
        return *this;
    }
    ConvertedPrices(ConvertedPrices&&) noexcept = default;
    ConvertedPrices& operator=(ConvertedPrices&&) noexcept = default;

    // 0 for a currency never converted into.
    double operator[](std::size_t index) const { return values_ ? (*values_)[index] : 0; }
    double& operator[](std::size_t index) {
        if (!values_) values_ = std::make_unique<Values>(Values{});
        return (*values_)[index];
    }

  private:
    std::unique_ptr<Values> values_;
};

// Position of a code in kCurrencyCodes, or -1.
constexpr int CurrencyIndex(std::string_view code) {
    for (size_t i = 0; i < kCurrencyCodes.size(); ++i)
        if (kCurrencyCodes[i] == code) return static_cast<int>(i);
    return -1;
}

}  // namespace quill
