#pragma once

#include <string>

#include "orders/OrderBook.h"
#include "output/ExportContent.h"
#include "output/ListOfMaterials.h"
#include "session/QuoteSession.h"

namespace quill {

// The notes under every export: the foreign-currency note while another
// currency than US dollars is in force, and the two dates.
struct ExportNotes {
    bool foreignCurrency = false;
    std::string exchangeRateDate;   // "mm/dd/yyyy"
    std::string pricingUpdateDate;  // "mm/dd/yyyy"
};

// What File > Export and Copy To Clipboard take: the result page shown (the
// final page or the parts list) or else the order as its page shows it. The
// window and quillroute-export both make it here.
ExportContent ContentToExport(const QuoteResult* shown, const OrderBook& book,
                              const ExportNotes& notes);

// The order as the list of materials prints it.
ListOfMaterials ListToPrint(const OrderBook& book);

}  // namespace quill
