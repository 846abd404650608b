#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "orders/OrderDetails.h"
#include "session/QuoteSession.h"

namespace quill {

using LabelledValues = std::vector<std::pair<std::string, std::string>>;

// What a one-page datasheet of the quoted assembly tells the customer's
// engineer: what it is, how it is built and how it performs in the band
// asked for, made from the result page shown.
struct Datasheet {
    std::string partNumber;  // the page's part number, or "Assembly to order"
    StringList components;   // an assembly to order: the parts list's part numbers
    std::string description;
    LabelledValues cable;  // size, grade, type and (but for a waveguide) diameter
    struct End {
        std::string title;             // "Top end", "Bottom end"
        std::string connectorPicture;  // the picture page 2 shows; empty for a missing end
        LabelledValues values;         // connector, special, inner, attachment, grade; or "None"
    };
    std::array<End, 2> ends;
    std::string lengthFeet, lengthMeters;  // "10.00 ft", "3.05 m"
    std::string band;                      // "800 - 2200 MHz"
    LabelledValues figures;         // the result page's seven, as it shows them (band's middle)
    LabelledValues edges;           // attenuation and insertion loss at the band's two edges
    std::string priceLabel, price;  // "Price (USD):", "145.41"; empty without prices
    std::string pricingDate;        // "mm/dd/yyyy"
    std::string date;               // today, "mm/dd/yyyy"
    OrderDetails details;           // the order's customer details, when filled
};

struct DatasheetOptions {
    bool prices = true;
    std::string today, pricingDate;  // "mm/dd/yyyy"
    OrderDetails details;
};

// The datasheet of the result the session shows (the final page or the
// parts list); the session's page 2 gives the cable and the pictures.
Datasheet MakeDatasheet(const QuoteSession& session, const QuoteResult& shown,
                        const DatasheetOptions& options);

}  // namespace quill
