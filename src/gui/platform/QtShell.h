#pragma once

#include <QUrl>
#include <map>

#include "platform/Shell.h"

namespace quill {

// Opens files, web addresses and mail links with the desktop's own programs.
class QtShell : public Shell {
  public:
    void Open(const std::string& target) override;
    // Elsewhere than on Windows: whether a desktop entry of the XDG data
    // folders takes the extension's MIME type. Asked once per run and extension.
    bool HasApplicationFor(const std::string& extension) override;

    // The address a target stands for: itself when it has a scheme
    // ("https:", "mailto:", "file:"), else a local file.
    static QUrl TargetUrl(const std::string& target);

  private:
    std::map<std::string, bool> applications_;
};

}  // namespace quill
