#include "orders/Order.h"

#include <algorithm>
#include <functional>

#include "catalogue/Error.h"
#include "catalogue/Fields.h"
#include "orders/Decimal.h"

namespace quill {

namespace {

// A number for arithmetic: exact while it fits in a decimal, else floating
// point (only for values far beyond any real order).
struct Amount {
    bool exact = false;
    Decimal decimal;
    long double approximate = 0;
};

Amount AmountOf(std::string_view text) {
    Amount amount;
    if (ParseDecimal(text, amount.decimal)) {
        amount.exact = true;
        amount.approximate = DecimalToLongDouble(amount.decimal);
    } else {
        double value = 0;
        TryStrToFloat(text, value);
        amount.approximate = value;
    }
    return amount;
}

Amount Combine(const Amount& a, const Amount& b,
               bool (*exact)(const Decimal&, const Decimal&, Decimal&),
               const std::function<long double(long double, long double)>& approximate) {
    Amount result;
    result.approximate = approximate(a.approximate, b.approximate);
    result.exact = a.exact && b.exact && exact(a.decimal, b.decimal, result.decimal);
    return result;
}

Amount Times(const Amount& a, const Amount& b) {
    return Combine(a, b, MultiplyDecimals, std::multiplies<long double>());
}

Amount Plus(const Amount& a, const Amount& b) {
    return Combine(a, b, AddDecimals, std::plus<long double>());
}

// Two decimals, half away from zero.
Amount Cents(long double value) {
    Amount amount;
    amount.exact = DecimalFromLongDouble(value, amount.decimal);
    amount.approximate = amount.exact ? DecimalToLongDouble(amount.decimal) : value;
    return amount;
}

Amount Rounded(const Amount& amount) {
    if (!amount.exact) return Cents(amount.approximate);
    const Decimal cents = RoundToCents(amount.decimal);
    return Amount{true, cents, DecimalToLongDouble(cents)};
}

std::string MoneyText(const Amount& amount) {
    return amount.exact ? DecimalMoneyText(amount.decimal)
                        : FormatMoney(static_cast<double>(amount.approximate));
}

std::string NumberText(const Amount& amount) {
    return amount.exact ? DecimalText(amount.decimal)
                        : FloatToText(static_cast<double>(amount.approximate));
}

bool SameValue(const Amount& a, const Amount& b) {
    return a.exact && b.exact ? a.decimal == b.decimal : a.approximate == b.approximate;
}

[[noreturn]] void ThrowInvalidQuantity(const std::string& text) {
    throw QuillError("'" + text +
                     "' is not a valid quantity. A quantity is a number of 0 or more.");
}

void CheckPrice(const std::string& price) {
    double ignored = 0;
    if (!TryStrToFloat(price, ignored)) ThrowInvalidFloat(price);
}

void CheckLine(const ItemLine& line) {
    if (!IsValidQuantity(line.quantity)) ThrowInvalidQuantity(line.quantity);
    CheckPrice(line.price);
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
    Amount quantity = AmountOf(added.quantity);
    if (into.unit == "Feet" && added.unit == "Meters") {
        quantity = Rounded(Times(quantity, AmountOf("3.2808")));
    } else if (into.unit == "Meters" && added.unit == "Feet") {
        quantity = Cents(quantity.approximate / 3.2808L);
    }
    return NumberText(Plus(AmountOf(into.quantity), quantity));
}

void Order::Merge(const ItemLines& lines, const std::string& currency) {
    // Everything is checked first, so a bad line leaves the order as it was.
    for (const ItemLine& line : lines) CheckLine(line);
    const bool wasEmpty = Empty();
    for (const ItemLine& line : lines) {
        bool matched = false;
        const std::size_t count = items_.size();
        for (std::size_t i = 0; i < count; ++i) {
            if (items_[i].partNumber != line.partNumber) continue;
            items_[i].quantity = AddQuantities(items_[i], line);
            matched = true;
        }
        if (!matched) items_.push_back(AsOrderLine(line));
    }
    if (wasEmpty && !Empty()) currency_ = currency;
}

void Order::Append(ItemLine line) {
    CheckLine(line);
    items_.push_back(AsOrderLine(std::move(line)));
}

void Order::DeleteRows(std::vector<std::size_t> rows) {
    std::sort(rows.begin(), rows.end(), std::greater<>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (const std::size_t row : rows)
        if (row < items_.size()) items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(row));
}

bool Order::CopyBackQuantity(std::size_t row, std::string_view text) {
    const std::string quantity = Trim(text);
    if (!IsValidQuantity(quantity)) ThrowInvalidQuantity(quantity);
    if (row >= items_.size()) ThrowListIndex(static_cast<long long>(row));
    ItemLine& line = items_[row];
    if (SameValue(AmountOf(line.quantity), AmountOf(quantity))) return false;
    line.quantity = quantity;
    return true;
}

std::string Order::ExtendedText(std::size_t row) const {
    if (row >= items_.size()) ThrowListIndex(static_cast<long long>(row));
    return MoneyText(Times(AmountOf(items_[row].quantity), AmountOf(items_[row].price)));
}

std::string Order::TotalText() const {
    Amount total{true, Decimal{}, 0};
    for (const ItemLine& line : items_)
        total = Plus(total, Times(AmountOf(line.quantity), AmountOf(line.price)));
    return MoneyText(total);
}

}  // namespace quill
