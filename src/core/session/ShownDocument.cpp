#include "session/ShownDocument.h"

#include "online/OnlineAddresses.h"

namespace quill {

namespace {

// The order's rows as its page shows them, typed texts included.
std::vector<StringList> ShownOrderRows(const OrderBook& book) {
    std::vector<StringList> rows(book.Lines().Count());
    for (std::size_t row = 0; row < rows.size(); ++row)
        for (int column = 0; column < 6; ++column) rows[row].push_back(book.CellText(row, column));
    return rows;
}

}  // namespace

ExportContent ContentToExport(const QuoteResult* shown, const OrderBook& book,
                              const ExportNotes& notes) {
    ExportContent content;
    if (shown && shown->page == ResultKind::Final) {
        content.block = ExportContent::Block::FinalSelection;
        for (std::size_t row = 0; row < 10; ++row)
            content.pairs.push_back({row == 2 ? shown->final.priceLabel : FinalPageLabels()[row],
                                     shown->final.values[row]});
    } else if (shown && shown->page == ResultKind::PartsList) {
        const PartsListPage& page = shown->partsList;
        content.block = ExportContent::Block::PartsList;
        content.headings = PartsListHeadings(page);
        for (const PartsRow& r : page.rows)
            content.rows.push_back(
                {r.qty, r.uom, r.partNumber, r.description, r.price, r.extended});
        content.total = {page.totalLabel, page.total};
        for (std::size_t row = 0; row < 7; ++row)
            content.pairs.push_back({FigureLabels()[row], page.figures[row]});
    } else {
        content = OrderExportContent(book.Lines());
        // Typed units and descriptions are few: the rows are copied only then.
        if (book.HasTypedTexts()) {
            content.rows = ShownOrderRows(book);
            content.order = nullptr;
        }
    }
    // The customer details lead every export, as they lead the print.
    const OrderDetails& details = book.Lines().Details();
    for (std::size_t i = 0; i < OrderDetails::kCount; ++i)
        if (!details.values[i].empty())
            content.details.push_back(
                {std::string(OrderDetails::kKeys[i]) + ":", details.values[i]});
    content.foreignCurrency = notes.foreignCurrency;
    content.exchangeRateDate = notes.exchangeRateDate;
    content.reminder = kReminderCaption;
    content.pricingUpdateDate = notes.pricingUpdateDate;
    return content;
}

ListOfMaterials ListToPrint(const OrderBook& book) {
    ListOfMaterials list;
    list.rows = ShownOrderRows(book);
    list.total = book.Lines().TotalText();
    list.webAddress = kMakerWebAddress;
    list.details = book.Lines().Details();
    list.currency = book.Lines().Currency();
    return list;
}

}  // namespace quill
