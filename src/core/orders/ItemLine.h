#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quill {

// What an item of a result or of the order is. The codes are those the item
// lines carry in their sixth field.
enum class ItemKind {
    Header = 0,        // the order's own first line, never shown
    StandardPart = 1,  // a standard jumper from the final page
    AirCable = 2,
    FoamCable = 3,
    CoaxConnector = 4,
    WaveguideCable = 5,
    WaveguideConnector = 6,
    AttachmentCharge = 7,  // the factory charge for attaching connectors
    Unknown = -1,          // a code none of the above; written as an empty field
};

// "1" for StandardPart, "" for Unknown.
std::string KindCode(ItemKind kind);
ItemKind KindFromCode(std::string_view code);

// One row of a result page or of the order. As text it is six fields, each
// followed by "|": quantity, unit, part number, description, unit price,
// kind code ("2|Each|P|D|12.50|4|").
struct ItemLine {
    std::string quantity;    // pieces, or a cable's length as typed ("7.5")
    std::string unit;        // "Each", "Feet" or "Meters"
    std::string partNumber;  // what identifies the item within an order
    std::string description;
    std::string price;  // unit price, as text in the currency shown when added
    ItemKind kind = ItemKind::StandardPart;

    // Fields are read trimmed; missing ones are empty.
    static ItemLine Parse(std::string_view line);
    std::string Format() const;

    friend bool operator==(const ItemLine&, const ItemLine&) = default;
};

using ItemLines = std::vector<ItemLine>;

}  // namespace quill
