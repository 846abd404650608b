#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "text/Fields.h"

namespace quill {

using SharedList = std::shared_ptr<const StringList>;

// A drop-down list as the window shows it: its items and the text shown, which
// may be no item at all ("None" on a disabled end). The items are never
// changed in place, so copies of a page share them.
struct ListChoice {
    std::string text;

    const StringList& Items() const;
    void SetItems(SharedList items) { items_ = std::move(items); }
    int Index() const;  // of the text among the items, -1 for none
    // Replaces the items and selects the remembered one, else the first.
    void Fill(SharedList items, const std::string& remembered);
    void Fill(StringList items, const std::string& remembered);
    // Selects an item; an index outside the items selects none and empties the text.
    void Select(int index);
    bool Offers(const std::string& item) const { return IndexOf(item) >= 0; }
    int IndexOf(const std::string& item) const;

  private:
    SharedList items_;
};

// A group of radio items: the one selected (-1 for none) and which may be chosen.
struct RadioChoice {
    int index = -1;
    std::vector<bool> enabled;

    bool Enabled(int item) const {
        return item >= 0 && item < static_cast<int>(enabled.size()) && enabled[item];
    }
    // Answers whether the selection changed; an index outside the items selects none.
    bool Select(int item);
};

// Answers of a look-up that depends on its key alone, kept so that the next
// clicks asking the same again are answered without the work; forgotten
// whole when they grow many.
template <class Key, class Value>
class KeptAnswers {
  public:
    template <class Compute>
    const Value& For(const Key& key, Compute compute) {
        if (const auto found = answers_.find(key); found != answers_.end()) return found->second;
        if (answers_.size() >= kLimit) answers_.clear();
        return answers_.emplace(key, compute()).first->second;
    }

  private:
    // Room for every size of a large band's comparison (each size asks for
    // a few lists), so that comparing again finds them all; a few megabytes.
    static constexpr std::size_t kLimit = 16384;
    std::map<Key, Value> answers_;
};

}  // namespace quill
