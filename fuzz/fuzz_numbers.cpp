// The number conversions and the field helpers: whatever the text, a number
// read from it formats to a text that reads back to the same value.

#include <cmath>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "orders/Decimal.h"
#include "text/Error.h"
#include "text/Fields.h"

using namespace quill;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    double value = 0;
    if (TryStrToFloat(text, value)) {
        FUZZ_CHECK(std::isfinite(value));
        double back = 0;
        const std::string money = FormatMoney(value);
        FUZZ_CHECK(money.find('\0') == std::string::npos);
        FUZZ_CHECK(TryStrToFloat(money, back), "money text '%s'\n", money.c_str());
        FUZZ_CHECK(std::fabs(back - value) <= 0.005 + std::fabs(value) * 1e-15, "%s gave %s\n",
                   text.c_str(), money.c_str());
        const std::string general = FloatToText(value);
        FUZZ_CHECK(TryStrToFloat(general, back), "general text '%s'\n", general.c_str());
        FUZZ_CHECK(std::fabs(back - value) <= std::fabs(value) * 1e-14, "%s\n", general.c_str());
    } else {
        bool threw = false;
        try {
            StrToFloat(text);
        } catch (const QuillError&) {
            threw = true;
        }
        FUZZ_CHECK(threw);
    }

    int whole = 0;
    if (TryStrToInt(text, whole)) {
        FUZZ_CHECK(TryStrToFloat(text, value) && value == whole);
    }

    Decimal decimal;
    if (ParseDecimal(text, decimal)) {
        FUZZ_CHECK(TryStrToFloat(text, value) || std::fabs(DecimalToLongDouble(decimal)) > 1e300L);
        Decimal again;
        FUZZ_CHECK(ParseDecimal(DecimalText(decimal), again) && again == decimal);
        const std::string money = DecimalMoneyText(decimal);
        Decimal cents;
        FUZZ_CHECK(ParseDecimal(money, cents) && cents == RoundToCents(decimal), "%s\n",
                   money.c_str());
    }

    // Splitting and joining give the text back; a field holds no delimiter.
    const StringList parts = SplitFields(text, "|");
    std::string joined;
    for (std::size_t i = 0; i < parts.size(); ++i) joined += (i ? "|" : "") + parts[i];
    FUZZ_CHECK(joined == text);
    for (int n = 1; n <= 4; ++n) {
        const std::string field = FieldAt(text, n);
        FUZZ_CHECK(field.find('|') == std::string::npos);
        FUZZ_CHECK(field == Trim(field));
    }
    return 0;
}
