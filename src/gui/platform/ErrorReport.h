#pragma once

#include <functional>

#include "platform/Messages.h"

namespace quill {

// The program's general error report. Every operation started by the user
// (a click, a pick, a menu command) runs through here: an error it raises -
// a text that is not a number, a short record, a file that cannot be read -
// stops that operation, its message is shown in an error box, and the
// program goes on. Nothing is let through to Qt's event loop.
// Answers true when the operation ran to its end.
bool RunGuarded(Messages& messages, const std::function<void()>& operation);

}  // namespace quill
