#pragma once

#include <string>
#include <unordered_map>

#include "catalogue/Catalogue.h"
#include "catalogue/Jumpers.h"
#include "pricing/Currency.h"
#include "text/Fields.h"

namespace quill {

// The lines of "M_lom.dat": "|"-terminated fields, the part number in field 3,
// the description in field 5 and the US-dollar price (per foot for a cable) in
// field 6. Lines that are empty or open with a comment character are skipped.
// The list is scanned from the top and the first matching line wins; an index
// built once keeps that rule and makes every look-up a hash probe.
class PriceList {
  public:
    PriceList() = default;
    explicit PriceList(StringList lines);

    const StringList& Lines() const { return lines_; }
    // The first price line of a part number (exact, case-sensitive), or nullptr.
    const std::string* Find(const std::string& partNumber) const;

    // Whether a part has a line, and whether its price is a number; a part
    // without one is priced at 0.
    enum class State { Priced, Missing, NotANumber };
    State StateOf(const std::string& partNumber) const;

  private:
    StringList lines_;
    std::unordered_map<std::string, size_t> firstLine_;
};

// The price look-ups copy the description and price of the first matching line
// into the record and, when exchange rates are loaded, the price in every
// currency. A part the list lacks keeps what its record held.
void LookUpCablePrices(const PriceList& prices, const ExchangeRates* rates, bool meters,
                       TTransmissionLine& cable);
void LookUpConnectorPrice(const PriceList& prices, const ExchangeRates* rates,
                          TConnector& connector);
// Unlike the other two, a jumper whose part number is not in the list is left
// with no description and a price of 0, never with an earlier part's figures.
// Answers whether the part number was found.
bool LookUpJumperPrice(const PriceList& prices, const ExchangeRates* rates, TJumper& jumper);

// The notice for the parts of a result whose price shows as 0.00 because the
// list lacks them or holds no number for them; empty when every part is priced.
std::string PriceNotice(const PriceList& prices, const StringList& partNumbers);

}  // namespace quill
