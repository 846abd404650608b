#pragma once

#include <exception>
#include <stdexcept>
#include <string>

namespace quill {

// The one error the core raises for bad data: a text that is not a number, a
// record with too few fields, a file that cannot be read or written. Its
// message is what the user reads in the error box; the operation in progress
// stops and the program goes on.
class QuillError : public std::runtime_error {
  public:
    explicit QuillError(const std::string& message) : std::runtime_error(message) {}
};

// What the user reads for any error that stopped an operation: a QuillError's
// own message; for running out of memory a sentence saying so; for anything
// else a sentence with the library's text, never a bare "std::bad_alloc".
std::string MessageOf(const std::exception& error);

// "'%s' is not a valid floating point value"
[[noreturn]] void ThrowInvalidFloat(const std::string& text);
// "'%s' is not a valid integer value"
[[noreturn]] void ThrowInvalidInteger(const std::string& text);
// "List index out of bounds (%d)"
[[noreturn]] void ThrowListIndex(long long index);
// "Cannot open file %s"
[[noreturn]] void ThrowCannotOpen(const std::string& path);

}  // namespace quill
