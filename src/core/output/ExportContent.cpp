#include "output/ExportContent.h"

#include "orders/Order.h"

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

const StringList& OrderHeadings() {
    static const StringList headings = {"Qty.",        "UOM",   "Part Number",
                                        "Description", "Price", "Extended"};
    return headings;
}

ExportContent OrderExportContent(const Order& order) {
    ExportContent content;
    content.block = ExportContent::Block::Order;
    content.headings = OrderHeadings();
    for (std::size_t i = 0; i < order.Count(); ++i) {
        const ItemLine& item = order.Items()[i];
        content.rows.push_back({item.quantity, item.unit, item.partNumber, item.description,
                                item.price, order.ExtendedText(i)});
    }
    content.total = {"Order Total:", order.TotalText()};
    content.reminder = kReminderCaption;
    return content;
}

}  // namespace quill
