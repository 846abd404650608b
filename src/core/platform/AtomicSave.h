#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace quill {

// The one way the program replaces a file. The new content goes to a fresh
// file beside the target; only when every byte is written, flushed and on
// disk does it take the target's place by a rename. Until then the old file
// is untouched, so a full disk, a killed program or a power cut never leaves
// half a file where a whole one was.
//
//     AtomicSave save(path);
//     save.Put(text);
//     if (const std::string error = save.Commit(); !error.empty()) ...
//
// A save that is never committed leaves nothing behind; the temporary file
// of a save that was killed is removed by the next successful save of the
// same target.
class AtomicSave {
  public:
    explicit AtomicSave(std::filesystem::path target);
    ~AtomicSave();
    AtomicSave(const AtomicSave&) = delete;
    AtomicSave& operator=(const AtomicSave&) = delete;

    // Queues bytes; false once anything has failed (Commit then says why).
    bool Put(std::string_view bytes);

    // Finishes the save: empty on success, else a text naming the file and the
    // reason ("Cannot write file /x/order.qrf: No space left on device").
    std::string Commit();

  private:
    bool Flush();
    void Fail(int error);
    void Discard();

    std::filesystem::path target_;     // as given, for the messages
    std::filesystem::path resolved_;   // the file a link points at, or the target
    std::filesystem::path temporary_;  // empty until created
    std::FILE* file_ = nullptr;
    std::unique_ptr<char[]> buffer_;
    std::size_t used_ = 0;
    std::string error_;
    bool committed_ = false;
};

// A file of its own, "<stem>.<random>.tmp", created exclusively so that no
// two writers ever share one and no file already there is touched. Answers
// the open file and its name, or nullptr and the system's error number.
std::FILE* CreateFreshFile(const std::filesystem::path& stem, std::filesystem::path& created,
                           int& error);

// The whole content at once; empty on success, else the error text.
std::string SaveFileAtomically(const std::filesystem::path& target, std::string_view bytes);

}  // namespace quill
