// The downloaded news pages: whatever a page holds, at most ten entries come
// of it, every headline stays on the maker's press-release site and every
// title reads back as one line.

#include <algorithm>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "catalogue/DataFiles.h"
#include "online/News.h"

using namespace quill;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The first half plays the press-release list, the rest the home page.
    const StringList releases =
        ReadAllLines(fuzz::FileWith(bytes.substr(0, size / 2), "rawnews.dat"));
    const StringList home = ReadAllLines(fuzz::FileWith(bytes.substr(size / 2), "rawsl.dat"));
    const std::string site = "https://www.orlenk.example";
    const StringList entries = ParseNews(releases, home, site);
    FUZZ_CHECK(!entries.empty() && entries.size() <= static_cast<std::size_t>(kMostNewsEntries));
    // (A title holding "=" is cut there, so the address is found in the entry.)
    for (std::size_t index = 1; index < entries.size(); ++index)
        FUZZ_CHECK(entries[index].find("=" + site + "/whatsnew/pressreleases/") !=
                   std::string::npos);
    for (const std::string& entry : entries) {
        // A title shows on one line of its memo.
        const std::string title = TitleOf(entry);
        FUZZ_CHECK(title.find_first_of("=\r\n") == std::string::npos);
        // The lookup a click makes lands on an entry's own address.
        const std::string address = AddressForTitle(entries, title);
        FUZZ_CHECK(std::any_of(entries.begin(), entries.end(), [&](const std::string& other) {
            return AddressOf(other) == address;
        }));
    }
    return 0;
}
