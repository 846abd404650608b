#pragma once

#include <string>

namespace quill {

// Modal message boxes and sounds. Texts are Windows-1252 bytes; a "\r" (or
// "\r\n") in a text starts a new line.
class Messages {
  public:
    virtual ~Messages() = default;

    virtual void Warning(const std::string& text) = 0;      // warning sign, OK
    virtual void Error(const std::string& text) = 0;        // error sign, OK
    virtual void Information(const std::string& text) = 0;  // information sign, OK

    // Question sign with Yes and No: true for Yes.
    virtual bool Confirm(const std::string& text) = 0;
    // Warning sign with Yes, No and Cancel: true for Yes only.
    virtual bool ConfirmWarning(const std::string& text) = 0;

    virtual void Beep() = 0;      // the standard beep
    virtual void Asterisk() = 0;  // the system's asterisk sound
};

}  // namespace quill
