#pragma once

#include <cstdint>
#include <filesystem>
#include <limits>
#include <string>

namespace quill {

// One file to fetch, and what the user is shown while it comes.
struct DownloadRequest {
    std::string address;
    std::filesystem::path file;
    std::string name;                          // "Pricing Database", in the progress window
    std::string title = "Orlenk QuickUpdate";  // the progress window's
    // A body announced or arriving larger than this is refused.
    std::uintmax_t mostBytes = std::numeric_limits<std::uintmax_t>::max();
};

// How a download ended.
struct DownloadOutcome {
    enum class Kind {
        kDone,
        kCancelled,    // the user's Cancel
        kHttpStatus,   // the server answered with another status than 200
        kStalled,      // no data for stallSeconds
        kConnection,   // no answer, or the connection was cut
        kTooLarge,     // more than the request's mostBytes
        kWriteFailed,  // the file could not be written
    };
    Kind kind = Kind::kDone;
    int httpStatus = 0;
    int stallSeconds = 0;

    explicit operator bool() const { return kind == Kind::kDone; }
};

// The reason in words, for a message: "cancelled", "the server has no such
// file (404)", "no data for 30 seconds"; empty for a failed connection and
// for a download that ended well.
std::string FailureReason(const DownloadOutcome& outcome);

// Fetches files from the maker's servers. A download either delivers the
// whole file under its name or leaves that name as it was: the body goes to a
// file beside it and takes its place only when it arrived whole.
class Downloader {
  public:
    virtual ~Downloader() = default;

    // False only when the computer reports that it has no network at all.
    virtual bool IsConnected() = 0;

    // The address's body into the file, or why not.
    virtual DownloadOutcome Download(const DownloadRequest& request) = 0;

    // Waits the seconds, or less when the user chooses to go on. The reason
    // is shown while it waits.
    virtual void Pause(int seconds, const std::string& reason) = 0;
};

}  // namespace quill
