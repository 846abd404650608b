#pragma once

#include <QUrl>

#include "platform/Shell.h"

namespace quill {

// Opens files, web addresses and mail links with the desktop's own programs.
class QtShell : public Shell {
  public:
    void Open(const std::string& target) override;

    // The address a target stands for: itself when it has a scheme
    // ("https:", "mailto:", "file:"), else a local file.
    static QUrl TargetUrl(const std::string& target);
};

}  // namespace quill
