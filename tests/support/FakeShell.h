#pragma once

#include <string>
#include <vector>

#include "platform/Shell.h"

namespace quill::fakes {

// Records what the program asked the desktop to open.
class FakeShell : public Shell {
  public:
    void Open(const std::string& target) override { opened.push_back(target); }
    bool HasApplicationFor(const std::string& extension) override {
        for (const std::string& known : applications)
            if (known == extension) return true;
        return false;
    }

    std::vector<std::string> opened;
    std::vector<std::string> applications;  // extensions the desktop can open
};

}  // namespace quill::fakes
