// "update.ini": whatever it holds, the pricing date read from it is a real day.

#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "platform/Clock.h"
#include "pricing/PricingDate.h"
#include "text/Error.h"

using namespace quill;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FileWith(std::string_view(reinterpret_cast<const char*>(data), size), "update.ini");
    const Date today{2026, 12, 8};
    try {
        const Date read = ReadPricingDate(fuzz::Folder(), today);
        FUZZ_CHECK(IsValidDate(read));
        IsPricingStale(read, today);
        FUZZ_CHECK(!FormatDate(read).empty());
    } catch (const QuillError&) {
    }
    return 0;
}
