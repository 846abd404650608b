#pragma once

#include <array>
#include <string>
#include <vector>

#include "catalogue/Jumpers.h"
#include "orders/ItemLine.h"
#include "pricing/Currency.h"
#include "results/Selection.h"

namespace quill {

// The seven performance figures as shown: attenuation per 100 ft and per 100 m,
// total attenuation, insertion loss, efficiency, maximum and average power.
std::array<std::string, 7> PerformanceFigures(const Selection& selection,
                                              const TTransmissionLine& cable);

// The cable's unit price and the attachment charge per connector in the
// currency in force; the charge is 75 % of the list charge with Vellisk.
struct CablePrice {
    double unit = 0;
    double attachment = 0;
};
CablePrice CablePriceInCurrency(const TTransmissionLine& cable, const CurrencyInForce& currency,
                                bool vellisk);
double ConnectorPriceInCurrency(const TConnector& connector, const CurrencyInForce& currency);
// The standard jumper's list price as "%.2f".
std::string JumperPriceText(const TJumper& jumper, const CurrencyInForce& currency);

// The final selection data page: ten values (part number, description, price
// and seven figures), the price row's label and the one item line.
struct FinalPage {
    std::array<std::string, 10> values;
    std::string priceLabel;  // "Price (USD):"
    ItemLine itemLine;
};
std::string FinalDescription(const Selection& selection);
// The price cell: the list price as "%.2f", or the price assembled from the
// components as " %.2f".
std::string FinalPriceText(const Selection& selection, const TJumper& assembly,
                           const CurrencyInForce& currency);
FinalPage BuildFinalPage(const Selection& selection, const TJumper& assembly,
                         const CurrencyInForce& currency);
// The final page's one item: one piece of a standard part.
ItemLine FinalItemLine(const std::string& partNumber, const std::string& description,
                       const std::string& price);

// The component parts list page.
struct PartsRow {
    std::string qty, uom, partNumber, description, price, extended, type;
};
struct PartsListPage {
    std::string explanation;
    std::string currencyLabel;  // "(USD)"
    std::string priceHeading;   // "Price (USD)"
    std::vector<PartsRow> rows;
    std::string totalLabel;  // "Total (USD):"
    std::string total;
    std::array<std::string, 7> figures;
    ItemLines itemLines;
};
PartsListPage BuildPartsList(const Selection& selection, const TJumper& assembly,
                             const CurrencyInForce& currency);

// The row labels of the final page and of the parts list's figures.
const std::array<std::string, 10>& FinalPageLabels();
const std::array<std::string, 7>& FigureLabels();
// The parts list's column headings: the price and the extended price name
// the currency, "Price (USD)" and "Extended (USD)".
StringList PartsListHeadings(const PartsListPage& page);

}  // namespace quill
