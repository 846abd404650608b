#include "text/Error.h"

#include <new>

namespace quill {

std::string MessageOf(const std::exception& error) {
    if (dynamic_cast<const QuillError*>(&error)) return error.what();
    if (dynamic_cast<const std::bad_alloc*>(&error) ||
        dynamic_cast<const std::length_error*>(&error))
        return "There is not enough memory to finish the operation. Nothing was changed.";
    return std::string("An unexpected error stopped the operation (") + error.what() + ").";
}

void ThrowInvalidFloat(const std::string& text) {
    throw QuillError("'" + text + "' is not a valid floating point value");
}

void ThrowInvalidInteger(const std::string& text) {
    throw QuillError("'" + text + "' is not a valid integer value");
}

void ThrowListIndex(long long index) {
    throw QuillError("List index out of bounds (" + std::to_string(index) + ")");
}

void ThrowCannotOpen(const std::string& path) { throw QuillError("Cannot open file " + path); }

}  // namespace quill
