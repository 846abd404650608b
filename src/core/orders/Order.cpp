#include "orders/Order.h"

#include <algorithm>
#include <functional>

#include "catalogue/Error.h"
#include "catalogue/Fields.h"
#include "orders/Decimal.h"

namespace quill {

namespace {

// Quantities and prices are held exactly or not at all: an amount that does
// not fit the exact decimals is refused, never estimated.
[[noreturn]] void ThrowNotExact(const ItemLine& line, const std::string& what) {
    throw QuillError("The " + what + " of the line \"" + line.partNumber + "\" (" + line.quantity +
                     " x " + line.price +
                     ") is too large to be computed exactly. Nothing was changed.");
}

Decimal Exact(std::string_view text) {
    Decimal value;
    if (!ParseDecimal(text, value)) ThrowInvalidFloat(std::string(text));
    return value;
}

Decimal ExtendedOf(const ItemLine& line) {
    Decimal extended;
    if (!MultiplyDecimals(Exact(line.quantity), Exact(line.price), extended))
        ThrowNotExact(line, "extended price");
    return extended;
}

// The order total is summed in the order of the lines, the line at `row`
// taken as `instead` when one is given.
Decimal TotalOf(const ItemLines& items, std::size_t row = 0, const ItemLine* instead = nullptr) {
    Decimal total;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const ItemLine& line = instead && i == row ? *instead : items[i];
        if (!AddDecimals(total, ExtendedOf(line), total)) ThrowNotExact(line, "order total with");
    }
    return total;
}

[[noreturn]] void ThrowInvalidQuantity(const std::string& text) {
    throw QuillError("'" + text +
                     "' is not a valid quantity. A quantity is a number of 0 or more.");
}

void CheckLine(const ItemLine& line) {
    if (!IsValidQuantity(line.quantity)) ThrowInvalidQuantity(line.quantity);
    double price = 0;
    if (!TryStrToFloat(line.price, price)) ThrowInvalidFloat(line.price);
    Decimal ignored;
    if (!ParseDecimal(line.quantity, ignored)) ThrowNotExact(line, "quantity");
    if (!ParseDecimal(line.price, ignored)) ThrowNotExact(line, "price");
}

// Descriptions of the final page break their lines with carriage returns; in
// the order they become blanks, as every other control character does, so
// that every item is one line in any file. Fields are kept trimmed, as they
// are read.
ItemLine AsOrderLine(ItemLine line) {
    for (std::string* field :
         {&line.quantity, &line.unit, &line.partNumber, &line.description, &line.price}) {
        std::replace_if(
            field->begin(), field->end(),
            [](char c) { return static_cast<unsigned char>(c) < 0x20; }, ' ');
        *field = Trim(*field);
    }
    return line;
}

}  // namespace

bool IsValidQuantity(std::string_view text) {
    double value = 0;
    return TryStrToFloat(text, value) && value >= 0;
}

std::string AddQuantities(const ItemLine& into, const ItemLine& added) {
    const Decimal feetPerMeter = Exact("3.2808");
    Decimal quantity = Exact(added.quantity), sum;
    bool held = true;
    if (into.unit == "Feet" && added.unit == "Meters") {
        held = MultiplyDecimals(quantity, feetPerMeter, quantity);
        quantity = RoundToCents(quantity);
    } else if (into.unit == "Meters" && added.unit == "Feet") {
        held = DivideToCents(quantity, feetPerMeter, quantity);
    }
    if (!held || !AddDecimals(Exact(into.quantity), quantity, sum)) ThrowNotExact(into, "quantity");
    return DecimalText(sum);
}

void Order::Merge(const ItemLines& lines, const std::string& currency) {
    // The merge is made on a copy, so a bad line leaves the order as it was.
    for (const ItemLine& line : lines) CheckLine(line);
    const bool wasEmpty = Empty();
    ItemLines merged = items_;
    for (const ItemLine& line : lines) {
        bool matched = false;
        const std::size_t count = merged.size();
        for (std::size_t i = 0; i < count; ++i) {
            if (merged[i].partNumber != line.partNumber) continue;
            merged[i].quantity = AddQuantities(merged[i], line);
            matched = true;
        }
        if (!matched) merged.push_back(AsOrderLine(line));
    }
    Replace(std::move(merged));
    if (wasEmpty && !Empty()) currency_ = currency;
}

void Order::Append(ItemLine line) {
    CheckLine(line);
    line = AsOrderLine(std::move(line));
    Decimal total;
    if (!AddDecimals(total_, ExtendedOf(line), total)) ThrowNotExact(line, "order total with");
    items_.push_back(std::move(line));
    total_ = total;
}

void Order::DeleteRows(std::vector<std::size_t> rows) {
    std::sort(rows.begin(), rows.end(), std::greater<>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    ItemLines kept = items_;
    for (const std::size_t row : rows)
        if (row < kept.size()) kept.erase(kept.begin() + static_cast<std::ptrdiff_t>(row));
    Replace(std::move(kept));
}

bool Order::CopyBackQuantity(std::size_t row, std::string_view text) {
    const std::string quantity = Trim(text);
    if (!IsValidQuantity(quantity)) ThrowInvalidQuantity(quantity);
    if (row >= items_.size()) ThrowListIndex(static_cast<long long>(row));
    ItemLine changed = items_[row];
    changed.quantity = quantity;
    CheckLine(changed);
    if (Exact(items_[row].quantity) == Exact(quantity)) return false;
    total_ = TotalOf(items_, row, &changed);  // throws before anything changes
    items_[row] = std::move(changed);
    return true;
}

std::string Order::RefusedQuantity(std::size_t row, std::string_view text) const {
    const std::string quantity = Trim(text);
    if (!IsValidQuantity(quantity))
        return "'" + quantity + "' is not a valid quantity. Please enter a number of 0 or more.";
    if (row >= items_.size()) return {};
    ItemLine changed = items_[row];
    changed.quantity = quantity;
    try {
        CheckLine(changed);
        TotalOf(items_, row, &changed);
    } catch (const QuillError& error) {
        return error.what();
    }
    return {};
}

void Order::Replace(ItemLines items) {
    total_ = TotalOf(items);  // throws before anything changes
    items_ = std::move(items);
}

std::string Order::ExtendedText(std::size_t row) const {
    if (row >= items_.size()) ThrowListIndex(static_cast<long long>(row));
    return DecimalMoneyText(ExtendedOf(items_[row]));
}

std::string Order::TotalText() const { return DecimalMoneyText(total_); }

}  // namespace quill
