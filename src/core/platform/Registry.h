#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quill {

// Where the installer registers the shared data folder (its value "Path").
inline constexpr const char* kCommonFilesKey = "\\Software\\Orlenk\\Common Files";

// The per-user settings store. Key paths are written as the registry writes
// them, with "\" between the keys ("\Software\Orlenk\Common Files"); a leading
// or trailing "\" does not matter and neither does the letter case of key and
// value names. Texts are single-byte Windows-1252, like every text of the core.
class Registry {
  public:
    virtual ~Registry() = default;

    // True when the key is there. A key exists as soon as any value or subkey
    // lies under it.
    virtual bool KeyExists(const std::string& path) = 0;

    // The value, or nothing when the key or the value does not exist. An empty
    // value is a value.
    virtual std::optional<std::string> ReadString(const std::string& path,
                                                  const std::string& name) = 0;

    // Creates the key (and every key above it) when needed.
    virtual void WriteString(const std::string& path, const std::string& name,
                             const std::string& value) = 0;

    // Removes one value; nothing happens when it does not exist.
    virtual void DeleteValue(const std::string& path, const std::string& name) = 0;

    // The names of the keys directly below the key, in the store's order.
    virtual std::vector<std::string> SubKeys(const std::string& path) = 0;

    // Whether a class (a document type or an automation server such as
    // "Excel.Application") is registered for the user.
    virtual bool ClassKeyExists(const std::string& className) = 0;
};

}  // namespace quill
