#pragma once

#include <cstddef>
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

// The order: the item lines collected from the result pages or read from an
// order file, and the currency their prices are in. Every line it holds has a
// valid quantity and a numeric price, each held exactly, and every extended
// price and the total fit exact decimals: a change that would break this is
// refused whole, so figures are always exact.
class Order {
  public:
    const ItemLines& Items() const { return items_; }
    std::size_t Count() const { return items_.size(); }
    bool Empty() const { return items_.empty(); }

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
    // quantity or price is not a number.
    void Append(ItemLine line);

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

    // Quantity times price, "%.2f", and the sum of the unrounded products.
    std::string ExtendedText(std::size_t row) const;
    std::string TotalText() const;

  private:
    // Takes these lines when their total can be held, else throws.
    void Replace(ItemLines items);

    ItemLines items_;
    Decimal total_;
    std::string currency_ = "USD";
    OrderDetails details_;
};

}  // namespace quill
