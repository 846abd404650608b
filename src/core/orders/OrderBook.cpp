#include "orders/OrderBook.h"

#include "pricing/Currency.h"

namespace quill {

OrderBook::OrderBook(std::filesystem::path lastOrderFile) : lastOrder_(std::move(lastOrderFile)) {}

// Every change of the order is kept in the last-order file at once, so that
// a later run (or a crash) finds it; the outcome waits for the window to tell.
void OrderBook::Changed() {
    lastOrder_.MarkChanged();
    unsaved_ = true;
    kept_ = lastOrder_.Save(order_);
}

LastOrderFile::Result OrderBook::TakeKept() {
    return std::exchange(kept_, {LastOrderFile::Outcome::NotNeeded, {}});
}

std::string OrderBook::Add(const ItemLines& lines, const std::string& shownCode,
                           bool orderCurrencyChoosable) {
    if (!order_.AcceptsCurrency(shownCode)) {
        const std::string order = CurrencyCaption(order_.Currency());
        return "This order is priced in " + order + ", and this result is shown in " +
               CurrencyCaption(shownCode) + ".\r" +
               (orderCurrencyChoosable
                    ? "To add it, first choose " + order +
                          " from the Currency Settings menu, or start a new order with File > "
                          "New Order."
                    : "Results can only be added to an order in the currency they are shown "
                      "in: start a new order with File > New Order to add it.");
    }
    order_.Merge(lines, shownCode);
    typed_.clear();
    Changed();
    return {};
}

std::string OrderBook::CellText(std::size_t row, int column) const {
    if (const auto typed = typed_.find({row, column}); typed != typed_.end()) return typed->second;
    const ItemView item = order_.View(row);
    switch (column) {
        case 0:
            return std::string(item.quantity);
        case 1:
            return std::string(item.unit);
        case 2:
            return std::string(item.partNumber);
        case 3:
            return std::string(item.description);
        case 4:
            return std::string(item.price);
        default:
            return order_.ExtendedText(row);
    }
}

bool OrderBook::EditCell(std::size_t row, int column, const std::string& text) {
    bool changed = false;
    typed_[{row, column}] = text;
    if (column == 0 && (changed = order_.CopyBackQuantity(row, text))) Changed();
    return changed;
}

void OrderBook::DeleteRows(const std::vector<int>& rows) {
    order_.DeleteRows(std::vector<std::size_t>(rows.begin(), rows.end()));
    typed_.clear();
    Changed();
}

void OrderBook::Open(OrderFileContent content, const std::filesystem::path& file) {
    order_ = std::move(content.order);
    typed_.clear();
    file_ = content.existed ? file : std::filesystem::path();
    if (content.existed) Changed();
    unsaved_ = false;
}

void OrderBook::SaveTo(const std::filesystem::path& file) {
    WriteOrderFile(file, order_);
    file_ = file;
    unsaved_ = false;
}

void OrderBook::NewOrder() {
    order_ = Order();
    typed_.clear();
    file_.clear();
    unsaved_ = false;
    lastOrder_.KeepUntilChanged();
}

std::string OrderBook::SuggestedName() const {
    const auto& values = order_.Details().values;
    return SafeFileName(!values[4].empty()   ? values[4]  // proposal number
                        : !values[3].empty() ? values[3]  // job number
                        : order_.Empty()     ? std::string()
                                             : std::string(order_.View(0).partNumber));
}

std::string OrderBook::SaveQuestion() const {
    const std::u8string name = file_.empty() ? u8"Untitled" : file_.filename().u8string();
    return "Save the changes to " + std::string(name.begin(), name.end()) + "?";
}

bool OrderBook::SetDetails(const OrderDetails& details) {
    if (details == order_.Details()) return false;
    order_.SetDetails(details);
    Changed();
    return true;
}

}  // namespace quill
