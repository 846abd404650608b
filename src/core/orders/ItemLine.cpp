#include "orders/ItemLine.h"

#include "text/Fields.h"

namespace quill {

std::string KindCode(ItemKind kind) {
    return kind == ItemKind::Unknown ? std::string() : std::to_string(static_cast<int>(kind));
}

ItemKind KindFromCode(std::string_view code) {
    if (code.size() == 1 && code[0] >= '0' && code[0] <= '7')
        return static_cast<ItemKind>(code[0] - '0');
    return ItemKind::Unknown;
}

ItemLine ItemLine::Parse(std::string_view line) {
    return ItemLine{FieldAt(line, 1), FieldAt(line, 2), FieldAt(line, 3),
                    FieldAt(line, 4), FieldAt(line, 5), KindFromCode(FieldAt(line, 6))};
}

std::string ItemLine::Format() const {
    return quantity + "|" + unit + "|" + partNumber + "|" + description + "|" + price + "|" +
           KindCode(kind) + "|";
}

}  // namespace quill
