#include "catalogue/Error.h"

namespace quill {

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
