#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "orders/OrderDetails.h"
#include "output/DatasheetPage.h"
#include "session/QuoteSession.h"

namespace quill {

struct DatasheetOptions {
    bool prices = true;
    std::string today, pricingDate;  // "mm/dd/yyyy"
    OrderDetails details;
};

// The datasheet of the result the session shows (the final page or the
// parts list); the session's page 2 gives the cable and the pictures.
Datasheet MakeDatasheet(const QuoteSession& session, const QuoteResult& shown,
                        const DatasheetOptions& options);

}  // namespace quill
