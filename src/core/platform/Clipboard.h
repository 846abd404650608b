#pragma once

#include <string>

namespace quill {

// The system clipboard, for plain text only.
class Clipboard {
  public:
    virtual ~Clipboard() = default;
    // Clears the clipboard and puts the text on it. Windows-1252 bytes; lines
    // may end with CR alone.
    virtual void SetText(const std::string& text) = 0;
};

}  // namespace quill
