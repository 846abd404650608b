#include "orders/Order.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <unordered_map>

#include "orders/Decimal.h"
#include "text/Error.h"
#include "text/Fields.h"

namespace quill {

namespace {

// Ends each field in the order's text. No field holds it: control
// characters become blanks when a line joins the order.
constexpr char kEnd = '\x1f';

ItemView ViewOf(const ItemLine& line) {
    return {line.quantity, line.unit, line.partNumber, line.description, line.price, line.kind};
}

// Quantities and prices are held exactly or not at all: an amount that does
// not fit the exact decimals is refused, never estimated.
[[noreturn]] void ThrowTooLarge(const std::string& what, const ItemView& line) {
    throw QuillError(what + " the line \"" + std::string(line.partNumber) + "\" (" +
                     std::string(line.quantity) + " x " + std::string(line.price) +
                     ") is too large to be computed exactly. Nothing was changed.");
}

[[noreturn]] void ThrowNotExact(const ItemView& line, const std::string& what) {
    ThrowTooLarge("The " + what + " of", line);
}

[[noreturn]] void ThrowTotalNotExact(const ItemView& line) {
    ThrowTooLarge("The order total with", line);
}

[[noreturn]] void ThrowInvalidQuantity(std::string_view text) {
    throw QuillError("'" + std::string(text) +
                     "' is not a valid quantity. A quantity is a number of 0 or more.");
}

// An item counted "Each" is ordered whole; a length may be any figure.
std::string FractionOfWhole(const ItemView& item, const std::string& quantity) {
    double value = 0;
    if (UpperCase(std::string(item.unit)) != "EACH" || !TryStrToFloat(quantity, value) ||
        value == std::floor(value))
        return {};
    return "'" + quantity + "' is not a whole number: items sold Each are ordered whole.";
}

Decimal Exact(std::string_view text) {
    Decimal value;
    if (!ParseDecimal(text, value)) ThrowInvalidFloat(std::string(text));
    return value;
}

// The line's quantity times its price, checking both first: a quantity must
// be a number of 0 or more and a price a number, each held exactly.
Decimal ExtendedOf(const ItemView& line) {
    Decimal quantity, price, extended;
    if (!ParseDecimal(line.quantity, quantity)) {
        if (!IsValidQuantity(line.quantity)) ThrowInvalidQuantity(line.quantity);
        ThrowNotExact(line, "quantity");
    }
    if (quantity.units < 0) ThrowInvalidQuantity(line.quantity);
    if (!ParseDecimal(line.price, price)) {
        double ignored = 0;
        if (!TryStrToFloat(line.price, ignored)) ThrowInvalidFloat(std::string(line.price));
        ThrowNotExact(line, "price");
    }
    if (!MultiplyDecimals(quantity, price, extended)) ThrowNotExact(line, "extended price");
    return extended;
}

// The extended price as the line shows it, to cents half away from zero: the
// total adds these, so it is what a customer gets adding up the lines.
Decimal ShownExtendedOf(const ItemView& line) { return RoundToCents(ExtendedOf(line)); }

// Descriptions of the final page break their lines with carriage returns; in
// the order they become blanks, as every other control character does, so
// that every item is one line in any file. Fields are kept trimmed, as they
// are read.
void AppendCleaned(std::string& text, std::string_view field) {
    std::size_t first = 0, last = field.size();
    while (first < last && static_cast<unsigned char>(field[first]) <= ' ') ++first;
    while (last > first && static_cast<unsigned char>(field[last - 1]) <= ' ') --last;
    const std::size_t at = text.size();
    text.append(field.substr(first, last - first));
    for (std::size_t i = at; i < text.size(); ++i)
        if (static_cast<unsigned char>(text[i]) < 0x20) text[i] = ' ';
    text += kEnd;
}

ItemLine AsOrderLine(ItemLine line) {
    for (std::string* field :
         {&line.quantity, &line.unit, &line.partNumber, &line.description, &line.price}) {
        std::string cleaned;
        AppendCleaned(cleaned, *field);
        cleaned.pop_back();  // the field's end
        *field = std::move(cleaned);
    }
    return line;
}

}  // namespace

ItemLine ItemView::Line() const {
    return ItemLine{std::string(quantity),    std::string(unit),  std::string(partNumber),
                    std::string(description), std::string(price), kind};
}

bool IsValidQuantity(std::string_view text) {
    double value = 0;
    return TryStrToFloat(text, value) && value >= 0;
}

std::string AddQuantities(const ItemLine& into, const ItemLine& added) {
    static const Decimal feetPerMeter = Exact("3.2808");
    Decimal quantity = Exact(added.quantity), sum;
    bool held = true;
    if (into.unit == "Feet" && added.unit == "Meters") {
        held = MultiplyDecimals(quantity, feetPerMeter, quantity);
        quantity = RoundToCents(quantity);
    } else if (into.unit == "Meters" && added.unit == "Feet") {
        held = DivideToCents(quantity, feetPerMeter, quantity);
    }
    if (!held || !AddDecimals(Exact(into.quantity), quantity, sum))
        ThrowNotExact(ViewOf(into), "quantity");
    return DecimalText(sum);
}

// ------------------------------------------------------------- the storage

ItemView Order::View(std::size_t row) const {
    const Slot& slot = slots_[row];
    // Fields are short: a plain loop finds their ends faster than a search.
    const char* at = text_.data() + slot.begin;
    std::string_view fields[5];
    for (std::string_view& field : fields) {
        const char* end = at;
        while (*end != kEnd) ++end;
        field = std::string_view(at, static_cast<std::size_t>(end - at));
        at = end + 1;
    }
    return {fields[0], fields[1], fields[2], fields[3], fields[4], slot.kind};
}

std::string_view Order::PartNumberAt(std::size_t row) const {
    const char* at = text_.data() + slots_[row].begin;
    for (int field = 0; field < 2; ++field) {  // past the quantity and the unit
        while (*at != kEnd) ++at;
        ++at;
    }
    const char* end = at;
    while (*end != kEnd) ++end;
    return std::string_view(at, static_cast<std::size_t>(end - at));
}

ItemLines Order::Items() const {
    ItemLines lines;
    lines.reserve(Count());
    for (std::size_t i = 0; i < Count(); ++i) lines.push_back(Item(i));
    return lines;
}

void Order::Reserve(std::size_t lines, std::size_t bytes) {
    slots_.reserve(slots_.size() + lines);
    text_.reserve(text_.size() + bytes);
}

Order::Slot Order::Store(const ItemView& line) {
    Slot slot;
    slot.begin = text_.size();
    slot.kind = line.kind;
    for (const std::string_view field :
         {line.quantity, line.unit, line.partNumber, line.description, line.price})
        AppendCleaned(text_, field);
    if (text_.size() - slot.begin > UINT32_MAX) {
        text_.resize(slot.begin);
        throw QuillError("An item of the order is too long.");
    }
    slot.size = static_cast<std::uint32_t>(text_.size() - slot.begin);
    return slot;
}

void Order::Append(const ItemLine& line) { Append(ViewOf(line)); }

void Order::Append(const ItemView& line) {
    const Slot slot = Store(line);
    slots_.push_back(slot);
    try {
        const ItemView stored = View(slots_.size() - 1);
        Decimal total;
        if (!AddDecimals(total_, ShownExtendedOf(stored), total)) ThrowTotalNotExact(stored);
        total_ = total;
    } catch (...) {
        slots_.pop_back();
        text_.resize(slot.begin);
        throw;
    }
}

void Order::Replace(const ItemLines& items) {
    Order fresh;
    fresh.Reserve(items.size(), text_.size() - unused_ + 64);
    for (const ItemLine& line : items) fresh.Append(line);  // throws before anything changes
    text_ = std::move(fresh.text_);
    slots_ = std::move(fresh.slots_);
    unused_ = 0;
    total_ = fresh.total_;
}

// ------------------------------------------------------------- the changes

void Order::Merge(const ItemLines& lines, const std::string& currency) {
    // The changes are worked out on the side, so a bad line leaves the order
    // as it was: the raised quantities of lines already ordered, the lines
    // appended (which later lines may raise), and the total they make.
    for (const ItemLine& line : lines) ExtendedOf(ViewOf(line));
    const bool wasEmpty = Empty();
    std::map<std::size_t, ItemLine> raised;
    ItemLines appended;
    // The rows of each part number: scanned for a result's few lines, looked
    // up by name when many lines come at once.
    const bool indexed = lines.size() > 16;
    std::unordered_map<std::string_view, std::vector<std::size_t>> rowsOf;
    if (indexed)
        for (std::size_t i = 0; i < Count(); ++i) rowsOf[PartNumberAt(i)].push_back(i);
    std::unordered_map<std::string, std::size_t> appendedAt;
    for (const ItemLine& line : lines) {
        bool matched = false;
        const auto raise = [&](std::size_t i) {
            ItemLine& row = raised.try_emplace(i, Item(i)).first->second;
            row.quantity = AddQuantities(row, line);
            matched = true;
        };
        if (!indexed) {
            for (std::size_t i = 0; i < Count(); ++i)
                if (PartNumberAt(i) == line.partNumber) raise(i);
        } else if (const auto rows = rowsOf.find(line.partNumber); rows != rowsOf.end()) {
            for (const std::size_t i : rows->second) raise(i);
        }
        if (const auto at = appendedAt.find(line.partNumber); at != appendedAt.end()) {
            ItemLine& row = appended[at->second];
            row.quantity = AddQuantities(row, line);
            matched = true;
        }
        if (!matched) {
            appendedAt.emplace(line.partNumber, appended.size());
            appended.push_back(AsOrderLine(line));
        }
    }
    // The raised lines' shown extended prices come off the total, their new
    // ones and the appended lines' go on.
    Decimal total = total_;
    const auto add = [&](const ItemView& line, bool takeOff) {
        Decimal shown = ShownExtendedOf(line);
        if (takeOff) shown.units = -shown.units;
        if (!AddDecimals(total, shown, total)) ThrowTotalNotExact(line);
    };
    for (const auto& [row, line] : raised) add(View(row), true);
    for (const auto& [row, line] : raised) add(ViewOf(line), false);
    for (const ItemLine& line : appended) add(ViewOf(line), false);

    // Stored first, put in place after: an item too long to be held leaves
    // the order as it was.
    const std::size_t textBefore = text_.size();
    slots_.reserve(slots_.size() + appended.size());
    std::vector<Slot> stored;
    try {
        for (const auto& [row, line] : raised) stored.push_back(Store(ViewOf(line)));
        for (const ItemLine& line : appended) stored.push_back(Store(ViewOf(line)));
    } catch (...) {
        text_.resize(textBefore);
        throw;
    }
    auto next = stored.begin();
    for (const auto& [row, line] : raised) {
        unused_ += slots_[row].size;
        slots_[row] = *next++;
    }
    slots_.insert(slots_.end(), next, stored.end());
    if (wasEmpty && !Empty()) currency_ = currency;
    total_ = total;
    if (unused_ > 4096 && unused_ > text_.size() / 2) Replace(Items());
}

void Order::DeleteRows(std::vector<std::size_t> rows) {
    std::sort(rows.begin(), rows.end(), std::greater<>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    ItemLines kept = Items();
    for (const std::size_t row : rows)
        if (row < kept.size()) kept.erase(kept.begin() + static_cast<std::ptrdiff_t>(row));
    Replace(kept);
}

namespace {

// The total of the order with the line at `row` taken as `instead`; throws
// when it cannot be held, naming that line, the one the user changed.
Decimal TotalWith(const Order& order, std::size_t row, const ItemView& instead) {
    Decimal total;
    for (std::size_t i = 0; i < order.Count(); ++i)
        if (!AddDecimals(total, ShownExtendedOf(i == row ? instead : order.View(i)), total))
            ThrowTotalNotExact(instead);
    return total;
}

}  // namespace

bool Order::CopyBackQuantity(std::size_t row, std::string_view text) {
    const std::string quantity = Trim(text);
    if (!IsValidQuantity(quantity)) ThrowInvalidQuantity(quantity);
    if (row >= Count()) ThrowListIndex(static_cast<long long>(row));
    ItemView changed = View(row);
    if (const std::string whole = FractionOfWhole(changed, quantity); !whole.empty())
        throw QuillError(whole);
    const std::string_view before = changed.quantity;
    changed.quantity = quantity;
    const Decimal total = TotalWith(*this, row, changed);  // throws before anything changes
    if (Exact(before) == Exact(quantity)) return false;
    const ItemLine line = changed.Line();  // its views would move as the text grows
    const Slot slot = Store(ViewOf(line));
    unused_ += slots_[row].size;
    slots_[row] = slot;
    total_ = total;
    if (unused_ > 4096 && unused_ > text_.size() / 2) Replace(Items());
    return true;
}

std::string Order::RefusedQuantity(std::size_t row, std::string_view text) const {
    const std::string quantity = Trim(text);
    if (!IsValidQuantity(quantity))
        return "'" + quantity + "' is not a valid quantity. Please enter a number of 0 or more.";
    if (row >= Count()) return {};
    ItemView changed = View(row);
    if (std::string whole = FractionOfWhole(changed, quantity); !whole.empty()) return whole;
    changed.quantity = quantity;
    try {
        TotalWith(*this, row, changed);
    } catch (const QuillError& error) {
        return error.what();
    }
    return {};
}

std::string Order::ExtendedText(std::size_t row) const {
    if (row >= Count()) ThrowListIndex(static_cast<long long>(row));
    return ExtendedText(View(row));
}

std::string Order::ExtendedText(const ItemView& item) { return DecimalMoneyText(ExtendedOf(item)); }

std::string Order::TotalText() const { return DecimalMoneyText(total_); }

}  // namespace quill
