#include "session/Choices.h"

#include <algorithm>

namespace quill {

int ListChoice::IndexOf(const std::string& item) const {
    const auto found = std::find(items.begin(), items.end(), item);
    return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

int ListChoice::Index() const { return IndexOf(text); }

void ListChoice::Fill(StringList newItems, const std::string& remembered) {
    items = std::move(newItems);
    const int found = remembered.empty() ? -1 : IndexOf(remembered);
    Select(found >= 0 ? found : 0);
}

void ListChoice::Select(int index) {
    text = index >= 0 && index < static_cast<int>(items.size()) ? items[index] : std::string();
}

bool RadioChoice::Select(int item) {
    if (item < 0 || item >= static_cast<int>(enabled.size())) item = -1;
    if (item == index) return false;
    index = item;
    return true;
}

}  // namespace quill
