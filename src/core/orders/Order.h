#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "orders/Decimal.h"
#include "orders/ItemLine.h"
#include "orders/OrderDetails.h"

namespace quill {

// A quantity the order takes: a number of 0 or more ("2", "7.5").
bool IsValidQuantity(std::string_view text);

// The quantity of `added` expressed in the unit of `into`, added to that of
// `into`: pieces and like units add as they are; meters join a feet line at
// 3.2808 feet per meter (and feet a meters line), rounded to two decimals.
// Whole numbers give whole-number text, as the order always wrote them.
std::string AddQuantities(const ItemLine& into, const ItemLine& added);

// One item of the order as views of the order's own storage: valid until the
// order changes.
struct ItemView {
    std::string_view quantity, unit, partNumber, description, price;
    ItemKind kind = ItemKind::StandardPart;

    ItemLine Line() const;
};

// The order: the item lines collected from the result pages or read from an
// order file, and the currency their prices are in. Every line it holds has a
// valid quantity and a numeric price, each held exactly, and every extended
// price and the total fit exact decimals: a change that would break this is
// refused whole, so figures are always exact. The lines are kept one after
// another in one block of text, so an order of millions of lines costs little
// more than its text.
class Order {
  public:
    std::size_t Count() const { return slots_.size(); }
    bool Empty() const { return slots_.empty(); }
    // Unchecked: row < Count().
    ItemView View(std::size_t row) const;
    ItemLine Item(std::size_t row) const { return View(row).Line(); }
    ItemLines Items() const;  // every line, copied

    // The code of the currency the prices are in ("USD", "EUR", "RMB").
    const std::string& Currency() const { return currency_; }
    void SetCurrency(std::string code) { currency_ = std::move(code); }
    // Whether lines priced in that currency may join: always while the order
    // has no lines.
    bool AcceptsCurrency(std::string_view code) const { return Empty() || currency_ == code; }

    // Adds a result's lines. A line whose part number (exact, case-sensitive)
    // is already ordered raises the quantity of every line with that number;
    // any other is appended, and later lines of the same result may merge into
    // it. An order without lines takes the currency given. Throws, leaving the
    // order as it was, when a line's quantity or price is not a number.
    void Merge(const ItemLines& lines, const std::string& currency);

    // Appends a line as it stands (an order file's item). Throws when its
    // quantity or price is not a number, or its figures cannot be held.
    void Append(const ItemLine& line);
    void Append(const ItemView& line);
    // Room for that many more lines of that much text in all.
    void Reserve(std::size_t lines, std::size_t bytes);

    // Removes the lines at these 0-based positions (throws, changing nothing,
    // in the rare case that the rest no longer sums exactly).
    void DeleteRows(std::vector<std::size_t> rows);

    // Takes a quantity typed or spun in the grid. A text of the same value
    // leaves the line as it is ("2.0" for "2"); answers whether the line
    // changed. Throws for a text that is not a valid quantity, changing nothing.
    bool CopyBackQuantity(std::size_t row, std::string_view text);
    // Why CopyBackQuantity would refuse that text for the row, to be told
    // before the grid takes it; empty when it would be taken.
    std::string RefusedQuantity(std::size_t row, std::string_view text) const;

    // The customer details of the quote; they stay when lines come and go.
    const OrderDetails& Details() const { return details_; }
    void SetDetails(OrderDetails details) { details_ = std::move(details); }

    // Quantity times price, to cents half away from zero, and the sum of
    // those shown extended prices.
    std::string ExtendedText(std::size_t row) const;
    static std::string ExtendedText(const ItemView& item);
    std::string TotalText() const;

  private:
    struct Slot {
        std::size_t begin = 0;  // in text_: the five fields, each ended by kEnd
        std::uint32_t size = 0;
        ItemKind kind = ItemKind::StandardPart;
    };
    // The row's part number, found without reading the fields after it.
    std::string_view PartNumberAt(std::size_t row) const;
    // Takes these lines when their total can be held, else throws.
    void Replace(const ItemLines& items);
    Slot Store(const ItemView& line);

    std::string text_;
    std::vector<Slot> slots_;
    std::size_t unused_ = 0;  // bytes of text_ no slot refers to any more
    Decimal total_;
    std::string currency_ = "USD";
    OrderDetails details_;
};

}  // namespace quill
