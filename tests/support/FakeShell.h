#pragma once

#include <string>
#include <vector>

#include "platform/Shell.h"

namespace quill::fakes {

// Records what the program asked the desktop to open.
class FakeShell : public Shell {
  public:
    void Open(const std::string& target) override { opened.push_back(target); }

    std::vector<std::string> opened;
};

}  // namespace quill::fakes
