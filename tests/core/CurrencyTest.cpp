#include <gtest/gtest.h>

#include <set>

#include "pricing/Currency.h"

using namespace quill;

TEST(ExchangeRates, FirstLineOfACodeWinsAndMissingCodesConvertAtOne) {
    const ExchangeRates rates({"EUR|1.1|", "EUR|2|", "GBP|1.5|"});
    EXPECT_EQ(rates.Rate("EUR"), 1.1);
    EXPECT_EQ(rates.Rate("JPY"), 1.0);
    const ConvertedPrices prices = rates.Convert(110);
    EXPECT_EQ(FormatMoney(prices[CurrencyIndex("EUR")]), "100.00");
    EXPECT_EQ(FormatMoney(prices[CurrencyIndex("JPY")]), "110.00");
}

TEST(ExchangeRates, UnusableRatesMakeTheCurrencyUnavailable) {
    // A subnormal rate is above 0, but a price divided by it is infinite; so
    // is 125000 divided by 1e-305, and a billion and one dollars a unit make
    // every price 0.00.
    const ExchangeRates rates({"EUR|0|", "GBP|-1.5|", "JPY|abc|", "CAD||", "CHF|1.2|",
                               "SEK|1e-320|", "NOK|inf|", "DKK|1e-305|", "AUD|1.000000001e9|",
                               "IDR|0.000061|", "KRW|1e-9|", "HKD|1e9|"});
    for (const char* code : {"EUR", "GBP", "JPY", "CAD", "SEK", "NOK", "DKK", "AUD"})
        EXPECT_FALSE(rates.Available(code)) << code;
    for (const char* code : {"CHF", "IDR", "KRW", "HKD"})
        EXPECT_TRUE(rates.Available(code)) << code;
    const ConvertedPrices prices = rates.Convert(120);
    EXPECT_EQ(prices[CurrencyIndex("EUR")], 0);
    EXPECT_EQ(FormatMoney(prices[CurrencyIndex("CHF")]), "100.00");
}

TEST(CurrencyMenu, ThirtySevenItemsWithTwinDollars) {
    EXPECT_EQ(kCurrencyItems.size(), 37u);
    std::set<std::string> rateCodes;
    int dollars = 0;
    for (const CurrencyItem& item : kCurrencyItems) {
        if (item.tag == 1)
            ++dollars;
        else
            rateCodes.insert(item.rateCode);
    }
    EXPECT_EQ(dollars, 2);
    std::set<std::string> expected(kCurrencyCodes.begin(), kCurrencyCodes.end());
    EXPECT_EQ(rateCodes, expected);
    EXPECT_STREQ(CurrencyByTag(3)->shownCode, "RMB");
    EXPECT_STREQ(CurrencyByTag(3)->rateCode, "CNY");
}

TEST(CurrencyInForce, PicksByCodeAndShowsRmbForCny) {
    ConvertedPrices converted{};
    converted[CurrencyIndex("CNY")] = 7;
    converted[CurrencyIndex("EUR")] = 100;
    const CurrencyInForce renminbi{true, 3};
    EXPECT_EQ(renminbi.Label(), "(RMB)");
    EXPECT_EQ(renminbi.Pick(110, converted), 7);
    const CurrencyInForce euro{true, 17};
    EXPECT_EQ(euro.Pick(110, converted), 100);
    EXPECT_EQ(euro.Label(), "(EUR)");
    const CurrencyInForce noRates{false, 17};
    EXPECT_EQ(noRates.Label(), "(USD)");
    EXPECT_EQ(noRates.Pick(110, converted), 110);
    EXPECT_EQ((CurrencyInForce{true, 1}).Pick(110, converted), 110);
}
