// The price list and the exchange rates: look-ups keep the first line of a
// part, a usable rate converts every price to a finite one, and the notice
// names exactly the parts priced at 0.

#include <cmath>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "pricing/Currency.h"
#include "pricing/PriceList.h"
#include "text/Error.h"
#include "text/Fields.h"

using namespace quill;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    StringList lines;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    const PriceList prices(lines);
    for (const std::string& line : lines) {
        const std::string partNumber = FieldAt(line, 3);
        const std::string* found = prices.Find(partNumber);
        if (line.empty() || IsCommentLineStart(line[0])) continue;
        FUZZ_CHECK(found != nullptr);
        FUZZ_CHECK(FieldAt(*found, 3) == partNumber);
        // A part without a number is no part: the notice leaves it out.
        const std::string notice = PriceNotice(prices, {partNumber});
        FUZZ_CHECK(notice.empty() ==
                   (partNumber.empty() || prices.StateOf(partNumber) == PriceList::State::Priced));
        TJumper jumper;
        jumper.partNumber = partNumber;
        FUZZ_CHECK(LookUpJumperPrice(prices, nullptr, jumper));
        FUZZ_CHECK(std::isfinite(jumper.price));
    }

    const ExchangeRates rates(lines);
    for (const std::string_view code : kCurrencyCodes) {
        const auto rate = rates.Rate(std::string(code));
        if (!rate) continue;
        FUZZ_CHECK(*rate > 0 && std::isfinite(1.0 / *rate));
    }
    const ConvertedPrices converted = rates.Convert(123.45);
    for (std::size_t i = 0; i < kCurrencyCodes.size(); ++i) FUZZ_CHECK(std::isfinite(converted[i]));
    return 0;
}
