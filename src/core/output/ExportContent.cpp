#include "output/ExportContent.h"

#include "orders/Order.h"
#include "output/Rendering.h"
#include "platform/AtomicSave.h"

namespace quill {

const char* const kReminderCaption =
    "To get the most of your Orlenk software, you should update regularly to get the latest "
    "pricing and product information.";

std::string ForeignCurrencyNote(const ExportContent& content) {
    return "Currencies other than United States Dollars($US) are provided for information "
           "purposes only and are based on exchange rates as of " +
           content.exchangeRateDate;
}

std::string ReminderNote(const ExportContent& content) {
    return "Prices are subject to change without notice.  " + content.reminder;
}

std::string PricingDateNote(const ExportContent& content) {
    return "Your pricing database was last updated on " + content.pricingUpdateDate;
}

StringList OrderHeadings(const std::string& currency) {
    return {"Qty.",
            "UOM",
            "Part Number",
            "Description",
            "Price (" + currency + ")",
            "Extended (" + currency + ")"};
}

std::string OrderTotalLabel(const std::string& currency) {
    return "Order Total (" + currency + "):";
}

ExportContent OrderExportContent(const Order& order) {
    ExportContent content;
    content.block = ExportContent::Block::Order;
    content.headings = OrderHeadings(order.Currency());
    content.order = &order;
    content.total = {OrderTotalLabel(order.Currency()), order.TotalText()};
    content.reminder = kReminderCaption;
    return content;
}

void ForEachRow(const ExportContent& content, const std::function<void(const StringList&)>& each) {
    if (!content.order) {
        for (const StringList& row : content.rows) each(row);
        return;
    }
    // One row's cells, reused: their room is allocated once.
    StringList row(6);
    for (std::size_t i = 0; i < content.order->Count(); ++i) {
        const ItemView item = content.order->View(i);
        row[0].assign(item.quantity);
        row[1].assign(item.unit);
        row[2].assign(item.partNumber);
        row[3].assign(item.description);
        row[4].assign(item.price);
        row[5] = Order::ExtendedText(item);
        each(row);
    }
}

std::vector<StringList> RowsOf(const ExportContent& content) {
    std::vector<StringList> rows;
    rows.reserve(content.order ? content.order->Count() : content.rows.size());
    ForEachRow(content, [&](const StringList& row) { rows.push_back(row); });
    return rows;
}

std::string SaveRendering(const std::filesystem::path& file,
                          const std::function<void(const TextSink&)>& render) {
    AtomicSave save(file);
    render([&](std::string_view piece) { save.Put(piece); });
    return save.Commit();
}

std::string Collected(const std::function<void(const TextSink&)>& render) {
    std::string out;
    render([&](std::string_view piece) { out.append(piece); });
    return out;
}

}  // namespace quill
