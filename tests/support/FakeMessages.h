#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <ostream>
#include <string>
#include <vector>

#include "platform/Messages.h"

namespace quill::fakes {

// Records every box and sound in the order they came, and answers the
// questions from a script the test writes beforehand. A question with no
// scripted answer fails the test (and is answered No).
class FakeMessages : public Messages {
  public:
    struct Call {
        std::string kind;  // "warning", "error", "information", "confirm",
                           // "confirm-warning", "ask", "save-question", "beep",
                           // "asterisk"
        std::string text;  // empty for the sounds

        friend bool operator==(const Call&, const Call&) = default;
        friend std::ostream& operator<<(std::ostream& out, const Call& call) {
            return out << "{" << call.kind << ", \"" << call.text << "\"}";
        }
    };

    void Warning(const std::string& text) override { calls.push_back({"warning", text}); }
    void Error(const std::string& text) override { calls.push_back({"error", text}); }
    void Information(const std::string& text) override { calls.push_back({"information", text}); }
    // Recorded as "save-question"; answered from the scripted replies.
    Messages::Answer AskToSave(const std::string& text) override {
        calls.push_back({"save-question", text});
        if (replies.empty()) {
            ADD_FAILURE() << "Unexpected save question, no reply scripted: \"" << text << "\"";
            return Messages::Answer::Cancel;
        }
        const Messages::Answer answer = replies.front().answer;
        replies.pop_front();
        return answer;
    }
    bool Confirm(const std::string& text) override {
        calls.push_back({"confirm", text});
        return NextAnswer(text);
    }
    bool ConfirmWarning(const std::string& text) override {
        calls.push_back({"confirm-warning", text});
        return NextAnswer(text);
    }
    // Recorded as "ask" with the caption, the text and the check box's caption
    // on lines of their own; answered from the scripted replies.
    Messages::Reply AskWithCheckBox(const std::string& caption, const std::string& text,
                                    const std::string& checkBox, Gap) override {
        calls.push_back({"ask", caption + "\n" + text + "\n" + checkBox});
        if (replies.empty()) {
            ADD_FAILURE() << "Unexpected prompt, no reply scripted: \"" << text << "\"";
            return {};
        }
        const Messages::Reply reply = replies.front();
        replies.pop_front();
        return reply;
    }
    void ScriptReply(Answer answer, bool checked = false) { replies.push_back({answer, checked}); }

    void Beep() override { calls.push_back({"beep", ""}); }
    void Asterisk() override { calls.push_back({"asterisk", ""}); }

    // The answers to the next questions, in order: true for Yes.
    void Answer(bool yes) { answers.push_back(yes); }

    int Count(const std::string& kind) const {
        int count = 0;
        for (const Call& call : calls) count += call.kind == kind ? 1 : 0;
        return count;
    }
    // The boxes only, without the sounds.
    std::vector<Call> Boxes() const {
        std::vector<Call> boxes;
        for (const Call& call : calls) {
            if (call.kind != "beep" && call.kind != "asterisk") boxes.push_back(call);
        }
        return boxes;
    }
    void Reset() {
        calls.clear();
        answers.clear();
        replies.clear();
    }

    std::vector<Call> calls;
    std::deque<bool> answers;
    std::deque<Messages::Reply> replies;

  private:
    bool NextAnswer(const std::string& text) {
        if (answers.empty()) {
            ADD_FAILURE() << "Unexpected question, no answer scripted: \"" << text << "\"";
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

}  // namespace quill::fakes
