#include "online/OnlineAddresses.h"

#include "online/News.h"
#include "text/Fields.h"

namespace quill {

OnlineAddresses ReadOnlineAddresses(Registry& registry) {
    const auto read = [&](const char* name, const char* fallback) {
        const std::string value = Trim(registry.ReadString(kOnlineKey, name).value_or(""));
        return IsWebAddress(value) ? value : std::string(fallback);
    };
    OnlineAddresses addresses{read("UpdateServer", kDefaultUpdateServer),
                              read("WebSite", kDefaultWebSite)};
    if (addresses.updateServer.back() != '/') addresses.updateServer += '/';
    while (addresses.webSite.size() > 1 && addresses.webSite.back() == '/')
        addresses.webSite.pop_back();
    return addresses;
}

}  // namespace quill
