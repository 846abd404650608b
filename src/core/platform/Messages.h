#pragma once

#include <string>

namespace quill {

// Modal message boxes and sounds. Texts are Windows-1252 bytes; a "\r" (or
// "\r\n") in a text starts a new line.
class Messages {
  public:
    enum class Answer { Yes, No, Cancel };

    // Where the buttons and the check box of a prompt sit: each gap below the
    // text, and below the buttons, is a fifth of the text's height or the
    // whole of it.
    enum class Gap { FifthOfText, TextHeight };

    struct Reply {
        Answer answer = Answer::Cancel;
        bool checked = false;  // the check box when the box closed
    };

    virtual ~Messages() = default;

    virtual void Warning(const std::string& text) = 0;      // warning sign, OK
    virtual void Error(const std::string& text) = 0;        // error sign, OK
    virtual void Information(const std::string& text) = 0;  // information sign, OK

    // Warning sign with Save, Don't Save and Cancel, asked before unsaved
    // work is replaced or closed: Yes for Save, No for Don't Save.
    virtual Answer AskToSave(const std::string& text) = 0;

    // Question sign with Yes and No: true for Yes.
    virtual bool Confirm(const std::string& text) = 0;
    // Warning sign with Yes, No and Cancel: true for Yes only.
    virtual bool ConfirmWarning(const std::string& text) = 0;

    // Question sign with Yes, No and Cancel under its own caption, and an
    // unchecked check box below the buttons, left-aligned with the text.
    virtual Reply AskWithCheckBox(const std::string& caption, const std::string& text,
                                  const std::string& checkBox, Gap gap) = 0;

    virtual void Beep() = 0;      // the standard beep
    virtual void Asterisk() = 0;  // the system's asterisk sound
};

}  // namespace quill
