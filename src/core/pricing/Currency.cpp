#include "pricing/Currency.h"

#include <cmath>

namespace quill {

ExchangeRates::ExchangeRates(const StringList& lines) {
    for (const std::string& line : lines) {
        const std::string code = FieldAt(line, 1);
        if (rates_.count(code)) continue;
        double rate = 0;
        if (TryStrToFloat(FieldAt(line, 2), rate) && IsUsableRate(rate))
            rates_.emplace(code, rate);
        else
            rates_.emplace(code, std::nullopt);
    }
}

bool IsUsableRate(double rate) { return rate >= kSmallestRate && rate <= kLargestRate; }

std::optional<double> ExchangeRates::Rate(const std::string& code) const {
    const auto found = rates_.find(code);
    return found == rates_.end() ? std::optional<double>(1.0) : found->second;
}

ConvertedPrices ExchangeRates::Convert(double usdPrice) const {
    ConvertedPrices converted{};
    for (size_t i = 0; i < kCurrencyCodes.size(); ++i)
        if (const auto rate = Rate(std::string(kCurrencyCodes[i]))) converted[i] = usdPrice / *rate;
    return converted;
}

const std::vector<CurrencyItem> kCurrencyItems = {
    {1, "USD", "", "USDollarsUSD1", "US Dollars (USD)", ""},
    {2, "ZAR", "ZAR", "ZAR1", "South African Rand (ZAR)", "Africa"},
    {3, "RMB", "CNY", "RenminbiRMD1", "Chinese Renminbi (RMB)", "Asia"},
    {4, "HKD", "HKD", "HKD1", "Hong Kong Dollars (HKD)", "Asia"},
    {5, "INR", "INR", "INR1", "Indian Rupees (INR)", "Asia"},
    {6, "JPY", "JPY", "Yen1", "Japanese Yen (JPY)", "Asia"},
    {7, "KRW", "KRW", "KRW1", "Korean Won (KRW)", "Asia"},
    {8, "PHP", "PHP", "PHP1", "Philippino Pesos (PHP)", "Asia"},
    {9, "SGD", "SGD", "SGD1", "Singapore Dollars (SGD)", "Asia"},
    {10, "TWD", "TWD", "TWD1", "Taiwan Dollars (TWD)", "Asia"},
    {11, "ATS", "ATS", "ATS1", "Austrian Schillings (ATS)", "Europe"},
    {12, "BEF", "BEF", "BEF1", "Belgian Francs (BEF)", "Europe"},
    {13, "CHF", "CHF", "CHF1", "Swiss Francs (CHF)", "Europe"},
    {14, "DEM", "DEM", "DeutchMarkDM1", "German Deutch Marks (DEM)", "Europe"},
    {15, "DKK", "DKK", "DKK1", "Danish Krones (DKK)", "Europe"},
    {16, "ESP", "ESP", "ESP1", "Spanish Pesetas (ESP)", "Europe"},
    {17, "EUR", "EUR", "Euro1", "Euros (EUR)", "Europe"},
    {18, "FIM", "FIM", "FIM1", "Finish Markkas (FIM)", "Europe"},
    {19, "FRF", "FRF", "FRF1", "French Franks (FRF)", "Europe"},
    {20, "GBP", "GBP", "GBP1", "Pounds Sterling (GBP)", "Europe"},
    {21, "GRD", "GRD", "GRD1", "Greek Drachmas (GRD)", "Europe"},
    {22, "IEP", "IEP", "IEP1", "Irish Punts (IEP)", "Europe"},
    {23, "ITL", "ITL", "ITL1", "Italian Lira (ITL)", "Europe"},
    {24, "NLG", "NLG", "NLG1", "Dutch Gilders (NLG)", "Europe"},
    {25, "NOK", "NOK", "NOK1", "Norwegian Krones (NOK)", "Europe"},
    {26, "PTE", "PTE", "PTE1", "Portugese Escudos (PTE)", "Europe"},
    {27, "SEK", "SEK", "SEK1", "Sweedish Krona (SEK)", "Europe"},
    {28, "AED", "AED", "AED1", "United Arib Emirates Dirhams (AED)", "Middle East"},
    {29, "SAR", "SAR", "SAR1", "Saudi Riyal (SAR)", "Middle East"},
    {1, "USD", "", "US1", "US Dollars (USD)", "North America"},
    {30, "CAD", "CAD", "Canadian1", "Canadian Dollars (CAD)", "North America"},
    {31, "MXP", "MXP", "MXP1", "Mexican Pesos (MXP)", "North America"},
    {32, "AUD", "AUD", "AUD1", "Australian Dollars (AUD)", "Oceania"},
    {33, "IDR", "IDR", "IDR1", "Indeonesian Rupiahs (IDR)", "Oceania"},
    {34, "NZD", "NZD", "NZD1", "New Zealand Dollars (NZD)", "Oceania"},
    {35, "BRL", "BRL", "RealR1", "Brazillian Real (BRL)", "South America"},
    {36, "ARS", "ARS", "ARS1", "Argentina Pesos (ARS)", "South America"},
};

const CurrencyItem* CurrencyByTag(int tag) {
    for (const CurrencyItem& item : kCurrencyItems)
        if (item.tag == tag) return &item;
    return nullptr;
}

std::string CurrencyCaption(const std::string& code) {
    for (const CurrencyItem& item : kCurrencyItems)
        if (item.shownCode == code) return item.caption;
    return code;
}

std::string CurrencyInForce::Code() const {
    const CurrencyItem* item = hasRates ? CurrencyByTag(tag) : nullptr;
    return item ? item->shownCode : "USD";
}

std::string CurrencyInForce::Label() const { return "(" + Code() + ")"; }

double CurrencyInForce::Pick(double usd, const ConvertedPrices& converted) const {
    const CurrencyItem* item = hasRates ? CurrencyByTag(tag) : nullptr;
    if (!item || item->tag == 1) return usd;
    const int index = CurrencyIndex(item->rateCode);
    return index < 0 ? usd : converted[index];
}

}  // namespace quill
