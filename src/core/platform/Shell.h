#pragma once

#include <string>

namespace quill {

// Hands a file, a web address or a "mailto:" link to the program the user has
// chosen for it, without waiting for that program.
class Shell {
  public:
    virtual ~Shell() = default;

    // A target with a scheme ("http://...", "mailto:...") is opened as an
    // address; anything else is a path on this computer.
    virtual void Open(const std::string& target) = 0;

    // Whether the desktop has a program for files with that extension (".xls").
    virtual bool HasApplicationFor(const std::string& extension) = 0;
};

}  // namespace quill
