#include "platform/ErrorReport.h"

#include <exception>
#include <string>

#include "text/Error.h"

namespace quill {

namespace {

void Report(Messages& messages, const std::string& text) {
    // Showing the box must not raise a second error out of here either.
    try {
        messages.Error(text);
    } catch (...) {
    }
}

}  // namespace

bool RunGuarded(Messages& messages, const std::function<void()>& operation) {
    try {
        if (operation) operation();
        return true;
    } catch (const std::exception& error) {
        Report(messages, MessageOf(error));
    } catch (...) {
        Report(messages, "An unexpected error stopped the operation.");
    }
    return false;
}

}  // namespace quill
