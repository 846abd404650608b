#pragma once

#include <filesystem>
#include <string>

namespace quill {

// Fetches files from the maker's servers. A download either delivers the
// whole file under its name or leaves that name as it was: the body goes to a
// file beside it and takes its place only when it arrived whole.
class Downloader {
  public:
    virtual ~Downloader() = default;

    // False only when the computer reports that it has no network at all.
    virtual bool IsConnected() = 0;

    // The address's body into the file. False for any failure: no answer, an
    // HTTP status other than 200, a body shorter or longer than announced, a
    // stall, a file that cannot be written, or the user's Cancel. The name is
    // what the user is shown while it runs ("Pricing Database").
    virtual bool Download(const std::string& address, const std::filesystem::path& file,
                          const std::string& name) = 0;

    // Waits the seconds, or less when the user chooses to go on. The reason
    // is shown while it waits.
    virtual void Pause(int seconds, const std::string& reason) = 0;
};

}  // namespace quill
