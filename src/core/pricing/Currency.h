#pragma once

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "pricing/CurrencyCodes.h"
#include "text/Fields.h"

namespace quill {

// A rate is usable from a billionth of a dollar to a billion dollars a unit.
// Every currency ever traded lies far inside; outside, a price divided by the
// rate passes what money can be shown to the cent (1e-305 makes even a
// dollar infinite), or every price becomes 0.00.
constexpr double kSmallestRate = 1e-9;
constexpr double kLargestRate = 1e9;
constexpr const char* kUsableRates = "1E-9 to 1E9";
bool IsUsableRate(double rate);

// The rates of "xcngrate.dat": "CODE|rate|" lines, a rate being the value of
// one unit of the currency in US dollars, so a foreign price is the US-dollar
// price divided by the rate. The first line of a code wins; a code the file
// lacks converts at 1.0. A rate that is not a positive number makes its
// currency unavailable instead of producing infinite, negative or wrong prices;
// so does a rate outside what prices can be converted with (see IsUsableRate).
class ExchangeRates {
  public:
    ExchangeRates() = default;  // no rates: every code converts at 1.0
    explicit ExchangeRates(const StringList& lines);

    // The rate of a code: 1.0 when absent, nullopt when the file's rate is unusable.
    std::optional<double> Rate(const std::string& code) const;
    bool Available(const std::string& code) const { return Rate(code).has_value(); }
    // A price in every currency; an unavailable currency gets 0.
    ConvertedPrices Convert(double usdPrice) const;

  private:
    std::unordered_map<std::string, std::optional<double>> rates_;
};

// One currency item of the "Currency Settings" menu, in menu order.
struct CurrencyItem {
    int tag;
    const char* shownCode;  // "RMB" is shown for the rates' "CNY"
    const char* rateCode;   // empty for US dollars
    const char* objectName;
    const char* caption;
    const char* region;  // empty for the top-level item
};

extern const std::vector<CurrencyItem> kCurrencyItems;  // 37 items, both US-dollar items included
const CurrencyItem* CurrencyByTag(int tag);
// "Euros (EUR)" for "EUR": the caption of the currency's menu item, else the code.
std::string CurrencyCaption(const std::string& code);

// What the result pages need to show money: whether rates are loaded and the
// tag of the currency in force.
struct CurrencyInForce {
    bool hasRates = false;
    int tag = 1;

    // "(USD)", "(RMB)", ...
    std::string Label() const;
    std::string Code() const;
    // The US-dollar price, or the stored converted one for the currency in force.
    double Pick(double usd, const ConvertedPrices& converted) const;
};

}  // namespace quill
