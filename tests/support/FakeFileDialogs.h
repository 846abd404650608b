#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileDialogs.h"

namespace quill::fakes {

// Records every dialog asked for and answers it with the next file name the
// test gave (or a cancel). A dialog with no scripted answer fails the test
// and is cancelled.
class FakeFileDialogs : public FileDialogs {
  public:
    struct Call {
        std::string kind;  // "open" or "save"
        FileDialogRequest request;
    };

    void Choose(std::filesystem::path file) { answers.push_back(std::move(file)); }
    void Cancel() { answers.push_back(std::nullopt); }

    std::optional<std::filesystem::path> OpenFile(const FileDialogRequest& request) override {
        return Answer("open", request);
    }
    std::optional<std::filesystem::path> SaveFile(const FileDialogRequest& request) override {
        return Answer("save", request);
    }

    std::vector<Call> calls;
    std::deque<std::optional<std::filesystem::path>> answers;

  private:
    std::optional<std::filesystem::path> Answer(const char* kind,
                                                const FileDialogRequest& request) {
        calls.push_back({kind, request});
        if (answers.empty()) {
            ADD_FAILURE() << "Unexpected " << kind << " dialog, no file scripted";
            return std::nullopt;
        }
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

}  // namespace quill::fakes
