#pragma once

#include "platform/Clipboard.h"

namespace quill {

// The application's clipboard.
class QtClipboard : public Clipboard {
  public:
    void SetText(const std::string& text) override;
};

}  // namespace quill
