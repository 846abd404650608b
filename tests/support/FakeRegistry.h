#pragma once

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Registry.h"

namespace quill::fakes {

// An in-memory settings store with the registry's rules: "\" between keys,
// leading and trailing "\" ignored, names found without regard to case, a key
// existing as soon as a value lies at or below it.
class FakeRegistry : public Registry {
  public:
    struct Value {
        std::string name;  // as first written
        std::string text;
    };

    bool KeyExists(const std::string& path) override {
        const std::string key = Normalise(path);
        if (key.empty()) return true;
        return std::any_of(keys_.begin(), keys_.end(), [&](const auto& entry) {
            return !entry.second.empty() &&
                   (entry.first == key || entry.first.rfind(key + "\\", 0) == 0);
        });
    }

    std::optional<std::string> ReadString(const std::string& path,
                                          const std::string& name) override {
        ++reads;
        const auto key = keys_.find(Normalise(path));
        if (key == keys_.end()) return std::nullopt;
        const auto value = key->second.find(Lower(name));
        if (value == key->second.end()) return std::nullopt;
        return value->second.text;
    }

    void WriteString(const std::string& path, const std::string& name,
                     const std::string& value) override {
        auto& values = keys_[Normalise(path)];
        auto& entry = values[Lower(name)];
        if (entry.name.empty()) entry.name = name;
        entry.text = value;
        writes.push_back({path, name, value});
    }

    void DeleteValue(const std::string& path, const std::string& name) override {
        const auto key = keys_.find(Normalise(path));
        if (key != keys_.end()) key->second.erase(Lower(name));
    }

    // Sub keys in the registry's order: alphabetical without regard to case.
    std::vector<std::string> SubKeys(const std::string& path) override {
        const std::string key = Normalise(path);
        const std::string prefix = key.empty() ? "" : key + "\\";
        std::vector<std::string> result;
        for (const auto& [stored, values] : keys_) {
            if (values.empty() || stored.rfind(prefix, 0) != 0 || stored == key) continue;
            const std::string rest = stored.substr(prefix.size());
            const std::string child = Spelling(prefix + rest.substr(0, rest.find('\\')));
            if (std::find(result.begin(), result.end(), child) == result.end()) {
                result.push_back(child);
            }
        }
        return result;
    }

    bool ClassKeyExists(const std::string& className) override {
        return KeyExists("\\Software\\Classes\\" + className);
    }

    // Every WriteString in order, as asked.
    struct Write {
        std::string path, name, value;
    };
    std::vector<Write> writes;
    int reads = 0;

  private:
    static std::string Lower(std::string text) {
        for (char& c : text) {
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        }
        return text;
    }

    std::string Normalise(const std::string& path) {
        std::string result;
        std::size_t start = 0;
        while (start <= path.size()) {
            std::size_t end = path.find_first_of("\\/", start);
            if (end == std::string::npos) end = path.size();
            if (end > start) {
                const std::string segment = path.substr(start, end - start);
                if (!result.empty()) result += '\\';
                result += Lower(segment);
                spellings_.emplace(result, segment);
            }
            start = end + 1;
        }
        return result;
    }

    // The last segment of a normalised path as first spelt.
    std::string Spelling(const std::string& key) const {
        const auto found = spellings_.find(key);
        if (found != spellings_.end()) return found->second;
        return key.substr(key.rfind('\\') + 1);
    }

    // Values by normalised key path ("software\orlenk\common files"), then by
    // lower-case value name.
    std::map<std::string, std::map<std::string, Value>> keys_;
    std::map<std::string, std::string> spellings_;
};

}  // namespace quill::fakes
