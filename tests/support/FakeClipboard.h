#pragma once

#include <string>
#include <vector>

#include "platform/Clipboard.h"

namespace quill::fakes {

// Keeps every text put on the clipboard.
class FakeClipboard : public Clipboard {
  public:
    void SetText(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

}  // namespace quill::fakes
