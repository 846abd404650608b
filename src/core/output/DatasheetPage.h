#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "orders/OrderDetails.h"
#include "output/DrawingSurface.h"
#include "rf/BandPlot.h"
#include "text/Fields.h"

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
    // The curves over the band: attenuation (dB/100 ft) and, in place of
    // the efficiency, the assembly's insertion loss (dB).
    BandPlot curves;
};

// The value beside a label; empty for none.
std::string ValueOfLabel(const LabelledValues& values, const std::string& label);

// One page, laid out in logical units on a page 850 wide and 1100 high
// (Letter; an A4 page keeps the width and takes its own height) and drawn
// at the surface's scale: the maker and the date, the part number and
// description, a drawing of the assembly (the connectors' pictures from
// `images` at its ends, the cable between them with its length and size,
// not to scale), the tables of the build and the figures, and the curves
// over the band.
void DrawDatasheet(DrawingSurface& surface, int pageWidth, int pageHeight, const Datasheet& sheet,
                   const std::filesystem::path& images);

inline constexpr const char* kDatasheetTitle = "Assembly Datasheet";

}  // namespace quill
