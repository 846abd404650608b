#pragma once

#include <filesystem>
#include <string>

#include "online/QuickUpdate.h"
#include "online/Schedule.h"
#include "text/Fields.h"

namespace quill {

// Headlines are kept as "title=address"; entry 0 is the spotlight story and
// up to nine headlines follow in page order.
inline constexpr int kMostNewsEntries = 10;

// The title and address of the spotlight block of the home page.
std::string ParseSpotlight(const StringList& homePageLines, const std::string& webSite);
// The title and address of one line of the press-release list.
std::string ParseHeadline(const std::string& line, const std::string& webSite);
// The spotlight, then the press releases in English, at most ten entries.
StringList ParseNews(const StringList& pressReleaseLines, const StringList& homePageLines,
                     const std::string& webSite);

// The text of an entry before its first "=", and the text after it.
std::string TitleOf(const std::string& entry);
std::string AddressOf(const std::string& entry);
// The address of the first entry with that title, titles compared without
// regard to case; empty when none has it.
std::string AddressForTitle(const StringList& entries, const std::string& title);

// Only web pages may be opened from a downloaded page: "http://" and
// "https://" addresses, never a local file or a script.
bool IsWebAddress(const std::string& address);

// A news page larger than this is refused: a page is a few kilobytes.
inline constexpr std::uintmax_t kMostNewsPageBytes = 4 * 1024 * 1024;

// How fetching the news ended: well, or the address that failed and why.
struct NewsFetch {
    std::string address;  // the page that failed; empty when both arrived
    DownloadOutcome outcome;
    explicit operator bool() const { return static_cast<bool>(outcome); }
};
// "The news could not be fetched from ADDRESS: REASON."
std::string NewsFailedMessage(const NewsFetch& fetch);

// The news prompt, the two downloaded pages and the headlines made from them.
class NewsHeadlines {
  public:
    NewsHeadlines(OnlineServices services, std::string webSite,
                  std::filesystem::path defaultCommonFiles, std::string registryKey = {},
                  int updateInterval = 7);

    ReminderSchedule& Schedule() { return schedule_; }
    bool PromptDue() { return schedule_.Due(nullptr, false); }
    Messages::Answer AskToShow();

    std::filesystem::path NewsFolder();
    // The press releases, then the home page; a failure (a Cancel too) ends
    // the fetch, and a page refused as too large is removed.
    NewsFetch DownloadPages(const std::filesystem::path& folder);
    StringList ParseNews(const std::filesystem::path& folder) const;
    // Has the shell open an entry's address when it is a web page's.
    void OpenEntry(const StringList& entries, int index);

    const std::string& WebSite() const { return webSite_; }

  private:
    OnlineServices services_;
    std::string webSite_;
    std::filesystem::path defaultCommonFiles_;
    ReminderSchedule schedule_;
};

}  // namespace quill
