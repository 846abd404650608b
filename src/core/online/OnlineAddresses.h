#pragma once

#include <string>

#include "platform/Registry.h"

namespace quill {

// Where the program finds the maker on the network. Built in, and each
// replaceable by a value of "\Software\Orlenk\Online" so that an
// administrator (or a test) can point the program at another server:
// "UpdateServer" (the folder of the installers) and "WebSite" (the site
// whose news pages are read). Values that are no http:// or https://
// address are ignored.
struct OnlineAddresses {
    std::string updateServer;  // ends with "/"
    std::string webSite;       // scheme and host, no closing "/"
};

inline constexpr const char* kOnlineKey = "\\Software\\Orlenk\\Online";
inline constexpr const char* kDefaultUpdateServer = "https://www.orlenk.example/quickupdate/";
inline constexpr const char* kDefaultWebSite = "https://www.orlenk.example";

// The maker's addresses, shown under the logo, in the links and in the
// printed list's footer.
inline constexpr const char* kMakerWebAddress = "https://www.orlenk.example";
inline constexpr const char* kMakerSupportEmail = "quillroute@orlenk.example";

OnlineAddresses ReadOnlineAddresses(Registry& registry);

}  // namespace quill
