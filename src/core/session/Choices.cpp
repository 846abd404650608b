#include "session/Choices.h"

#include <algorithm>

namespace quill {

const StringList& ListChoice::Items() const {
    static const StringList kNone;
    return items_ ? *items_ : kNone;
}

int ListChoice::IndexOf(const std::string& item) const {
    const StringList& items = Items();
    const auto found = std::find(items.begin(), items.end(), item);
    return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

int ListChoice::Index() const { return IndexOf(text); }

void ListChoice::Fill(StringList items, const std::string& remembered) {
    Fill(std::make_shared<const StringList>(std::move(items)), remembered);
}

void ListChoice::Fill(SharedList items, const std::string& remembered) {
    items_ = std::move(items);
    const int found = remembered.empty() ? -1 : IndexOf(remembered);
    Select(found >= 0 ? found : 0);
}

void ListChoice::Select(int index) {
    const StringList& items = Items();
    text = index >= 0 && index < static_cast<int>(items.size()) ? items[index] : std::string();
}

bool RadioChoice::Select(int item) {
    if (item < 0 || item >= static_cast<int>(enabled.size())) item = -1;
    if (item == index) return false;
    index = item;
    return true;
}

}  // namespace quill
