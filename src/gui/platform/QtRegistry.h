#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "platform/Registry.h"

class QSettings;

namespace quill {

// The user's settings store: the registry of the current user on Windows and,
// everywhere else, one INI file "registry.ini" in the user's configuration
// folder ($XDG_CONFIG_HOME/Orlenk/ on Linux) holding the same key paths and
// value names. Key and value names are found without regard to case, as the
// registry finds them, also in the INI file.
class QtRegistry : public Registry {
  public:
    QtRegistry();
    ~QtRegistry() override;

    // Where the values are kept: a registry root or the INI file's path.
    QString Location() const;

    bool KeyExists(const std::string& path) override;
    std::optional<std::string> ReadString(const std::string& path,
                                          const std::string& name) override;
    void WriteString(const std::string& path, const std::string& name,
                     const std::string& value) override;
    void DeleteValue(const std::string& path, const std::string& name) override;
    std::vector<std::string> SubKeys(const std::string& path) override;
    bool ClassKeyExists(const std::string& className) override;

  private:
    std::unique_ptr<QSettings> settings_;
};

}  // namespace quill
