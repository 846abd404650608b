#include "online/News.h"

#include "catalogue/DataFiles.h"

namespace quill {

namespace {

const char* const kPressReleaseFile = "rawnews.dat";
const char* const kHomePageFile = "rawsl.dat";

bool Contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

// The characters from start on, up to but not including the first of stops
// found after the first of them; double quotes left out.
std::string TakeUntil(const std::string& line, std::size_t start, const char* stops,
                      bool dropQuotes) {
    if (start >= line.size()) return {};
    const std::size_t end = line.find_first_of(stops, start + 1);
    std::string taken = line.substr(start, end == std::string::npos ? end : end - start);
    if (dropQuotes) std::erase(taken, '"');
    return taken;
}

std::string HrefOf(const std::string& line) {
    const std::size_t href = line.find("HREF=");
    if (href == std::string::npos) return {};
    return TakeUntil(line, href + 5, ">\"", true);
}

// "javascript:...", "file:...", "C:\...": an address of its own kind, never
// one to complete with the site's.
bool HasScheme(const std::string& address) {
    const std::size_t colon = address.find(':');
    if (colon == std::string::npos || colon == 0) return false;
    for (std::size_t i = 0; i < colon; ++i) {
        const char c = address[i];
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!letter && (i == 0 || !((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.')))
            return false;
    }
    return true;
}

// The site's address, scheme and host, without a closing "/".
std::string SiteRoot(std::string webSite) {
    while (!webSite.empty() && webSite.back() == '/') webSite.pop_back();
    return webSite;
}

}  // namespace

std::string ParseSpotlight(const StringList& homePageLines, const std::string& webSite) {
    std::string title, address;
    bool inBlock = false;
    for (const std::string& line : homePageLines) {
        if (Contains(line, "<!-- SpotLight -->")) inBlock = true;
        if (Contains(line, "<!-- End SpotLight -->")) inBlock = false;
        if (!inBlock) continue;
        const char* const red = "<font color=\"red\">";
        if (const std::size_t tag = line.find(red); tag != std::string::npos)
            title += TakeUntil(line, tag + std::char_traits<char>::length(red), "<", false);
        if (Contains(line, "HREF=")) {
            address += HrefOf(line);
            // A relative address is on the maker's site.
            if (!Contains(address, "http://") && !Contains(address, "https://") &&
                !HasScheme(address))
                address = SiteRoot(webSite) + (address.starts_with('/') ? "" : "/") + address;
        }
    }
    return title + "=" + address;
}

std::string ParseHeadline(const std::string& line, const std::string& webSite) {
    std::string address = SiteRoot(webSite) + "/whatsnew/pressreleases/";
    std::string title;
    const std::size_t href = line.find("HREF=");
    if (href != std::string::npos) {
        address += HrefOf(line);
        const std::size_t close = line.find('>', href + 5);
        if (close != std::string::npos) title = TakeUntil(line, close + 1, "<", false);
    }
    return title + "=" + address;
}

StringList ParseNews(const StringList& pressReleaseLines, const StringList& homePageLines,
                     const std::string& webSite) {
    StringList entries{ParseSpotlight(homePageLines, webSite)};
    for (const std::string& line : pressReleaseLines) {
        if (static_cast<int>(entries.size()) >= kMostNewsEntries) break;
        if (Contains(line, "viewpressrelease.asp?") && Contains(line, "&langid=1"))
            entries.push_back(ParseHeadline(line, webSite));
    }
    return entries;
}

std::string TitleOf(const std::string& entry) { return entry.substr(0, entry.find('=')); }

std::string AddressOf(const std::string& entry) {
    const std::size_t equals = entry.find('=');
    return equals == std::string::npos ? std::string() : entry.substr(equals + 1);
}

std::string AddressForTitle(const StringList& entries, const std::string& title) {
    for (const std::string& entry : entries)
        if (SameTextIgnoringCase(TitleOf(entry), title)) return AddressOf(entry);
    return {};
}

bool IsWebAddress(const std::string& address) {
    const std::string lower = UpperCase(address.substr(0, 8));
    return (lower.starts_with("HTTP://") && address.size() > 7) ||
           (lower.starts_with("HTTPS://") && address.size() > 8);
}

NewsHeadlines::NewsHeadlines(OnlineServices services, std::string webSite,
                             std::filesystem::path defaultCommonFiles, std::string registryKey,
                             int updateInterval)
    : services_(services),
      webSite_(std::move(webSite)),
      defaultCommonFiles_(std::move(defaultCommonFiles)),
      schedule_(services.registry, services.clock, registryKey, "News", updateInterval) {}

Messages::Answer NewsHeadlines::AskToShow() {
    const Messages::Reply reply = services_.messages.AskWithCheckBox(
        "Orlenk Press Releases", "View the latest press releases from Orlenk Corporation?",
        "Don't ask me again.", Messages::Gap::TextHeight);
    if (reply.checked) schedule_.Never();
    return reply.answer;
}

std::filesystem::path NewsHeadlines::NewsFolder() {
    return CommonFilesSubfolder(services_.registry, defaultCommonFiles_, "news");
}

std::string NewsFailedMessage(const NewsFetch& fetch) {
    std::string reason = FailureReason(fetch.outcome);
    if (fetch.outcome.kind == DownloadOutcome::Kind::kTooLarge)
        reason = "the page is larger than " + std::to_string(kMostNewsPageBytes >> 20) + " MB";
    if (reason.empty()) reason = "the connection failed";
    return "The news could not be fetched from " + fetch.address + ": " + reason + ".";
}

NewsFetch NewsHeadlines::DownloadPages(const std::filesystem::path& folder) {
    const std::string site = SiteRoot(webSite_);
    const struct {
        std::string address;
        const char* file;
        const char* name;
    } pages[] = {
        {site + "/whatsnew/pressreleases/default.asp", kPressReleaseFile, "Press Releases"},
        {site + "/home/default.asp", kHomePageFile, "Spotlight"}};
    for (const auto& page : pages) {
        DownloadRequest request{page.address, folder / page.file, page.name, "Orlenk News",
                                kMostNewsPageBytes};
        const DownloadOutcome outcome = services_.downloader.Download(request);
        if (outcome) continue;
        if (outcome.kind == DownloadOutcome::Kind::kTooLarge) {
            std::error_code ignored;
            std::filesystem::remove(request.file, ignored);
        }
        return NewsFetch{page.address, outcome};
    }
    return {};
}

StringList NewsHeadlines::ParseNews(const std::filesystem::path& folder) const {
    return quill::ParseNews(ReadAllLines(folder / kPressReleaseFile),
                            ReadAllLines(folder / kHomePageFile), webSite_);
}

void NewsHeadlines::OpenEntry(const StringList& entries, int index) {
    if (index < 0 || index >= static_cast<int>(entries.size())) return;
    const std::string address = AddressForTitle(entries, TitleOf(entries[index]));
    if (IsWebAddress(address)) services_.shell.Open(address);
}

}  // namespace quill
