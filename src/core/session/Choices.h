#pragma once

#include <string>
#include <vector>

#include "catalogue/Fields.h"

namespace quill {

// A drop-down list as the window shows it: its items and the text shown, which
// may be no item at all ("None" on a disabled end).
struct ListChoice {
    StringList items;
    std::string text;

    int Index() const;  // of the text among the items, -1 for none
    // Replaces the items and selects the remembered one, else the first.
    void Fill(StringList newItems, const std::string& remembered);
    // Selects an item; an index outside the items selects none and empties the text.
    void Select(int index);
    bool Offers(const std::string& item) const { return IndexOf(item) >= 0; }
    int IndexOf(const std::string& item) const;
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

}  // namespace quill
