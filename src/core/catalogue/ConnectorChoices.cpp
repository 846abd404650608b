#include "catalogue/ConnectorChoices.h"

#include <algorithm>

namespace quill {

namespace {

const std::string& KeyOf(const TConnector& connector, bool byName) {
    return byName ? connector.name : connector.matesTo;
}

std::string Shown(const std::string& text, const char* placeholder) {
    return text.empty() ? placeholder : text;
}

std::string Stored(const std::string& shown, const char* placeholder) {
    return shown == placeholder ? std::string() : shown;
}

bool OfKind(const TConnector& c, const std::string& grade, const std::string& attachment) {
    return UpperCase(c.gradeCode) == grade && UpperCase(c.attachmentCode) == attachment;
}

bool KeyAndKind(const TConnector& c, const EndChoice& end) {
    return KeyOf(c, end.byName) == end.key && OfKind(c, end.grade, end.attachment);
}

}  // namespace

StringList SortedUnique(StringList texts) {
    std::stable_sort(texts.begin(), texts.end(), [](const std::string& a, const std::string& b) {
        return UpperCase(a) < UpperCase(b);
    });
    texts.erase(std::unique(texts.begin(), texts.end(), SameTextIgnoringCase), texts.end());
    return texts;
}

StringList ConnectorKeys(const TTransmissionLine& cable, const std::string& grade,
                         const std::string& attachment, bool byName) {
    StringList keys;
    for (const auto& c : cable.connectors)
        if (OfKind(*c, grade, attachment)) keys.push_back(KeyOf(*c, byName));
    return SortedUnique(std::move(keys));
}

StringList SpecialChoices(const TTransmissionLine& cable, const EndChoice& end) {
    StringList choices;
    for (const auto& c : cable.connectors)
        if (KeyAndKind(*c, end)) choices.push_back(Shown(c->special, kNoSpecial));
    return SortedUnique(std::move(choices));
}

StringList InnerChoices(const TTransmissionLine& cable, const EndChoice& end) {
    const std::string special = Stored(end.special, kNoSpecial);
    StringList choices;
    for (const auto& c : cable.connectors)
        if (KeyAndKind(*c, end) && c->special == special) choices.push_back(Shown(c->inner, kNoInner));
    return SortedUnique(std::move(choices));
}

TConnector* FittingConnector(const TTransmissionLine& cable, const EndChoice& end) {
    const std::string special = Stored(end.special, kNoSpecial);
    const std::string inner = Stored(end.inner, kNoInner);
    for (const auto& c : cable.connectors)
        if (KeyAndKind(*c, end) && c->special == special && c->inner == inner) return c.get();
    return nullptr;
}

TConnector* ConnectorWithKey(const TTransmissionLine& cable, const EndChoice& end) {
    for (const auto& c : cable.connectors)
        if (KeyOf(*c, end.byName) == end.key) return c.get();
    return nullptr;
}

}  // namespace quill
