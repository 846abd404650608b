#pragma once

#include <filesystem>
#include <string>

#include "orders/Order.h"

namespace quill {

// The last-order file that "View Last Order" restores in a later run. It is
// rewritten after every change of the order, but only once the order has
// really changed in this run: a run that only looked (a cancelled Open, a
// command line naming no file) must not replace the last order with an empty
// one. A failing write is reported once, not at every click, until a write
// succeeds again.
class LastOrderFile {
  public:
    explicit LastOrderFile(std::filesystem::path path) : path_(std::move(path)) {}

    const std::filesystem::path& Path() const { return path_; }

    // An addition, a deletion, a quantity edit, or an order read from a file.
    void MarkChanged() { changed_ = true; }
    // A new order: the file keeps the order it replaces until the new one changes.
    void KeepUntilChanged() { changed_ = false; }
    bool ChangedThisRun() const { return changed_; }

    enum class Outcome {
        NotNeeded,  // nothing changed in this run: the file stays as it is
        Written,
        Failed,        // the first failure since the last success: tell the user
        StillFailing,  // failing as before: the notice already says so
    };
    struct Result {
        Outcome outcome;
        std::string error;  // the file and the reason, for the two failures
    };
    Result Save(const Order& order);
    bool Failing() const { return failing_; }

  private:
    std::filesystem::path path_;
    bool changed_ = false;
    bool failing_ = false;
};

}  // namespace quill
