#include "catalogue/ConnectorChoices.h"

#include <algorithm>
#include <utility>

namespace quill {

namespace {

std::string_view KeyOf(const TConnector& connector, bool byName) {
    return byName ? connector.Name() : connector.MatesTo();
}

std::string Shown(std::string_view text, const char* placeholder) {
    return text.empty() ? std::string(placeholder) : std::string(text);
}

std::string Stored(const std::string& shown, const char* placeholder) {
    return shown == placeholder ? std::string() : shown;
}

// Whether the text in capitals is `upper`, without making the capitals.
bool InCapitalsIs(std::string_view text, std::string_view upper) {
    return text.size() == upper.size() &&
           std::equal(text.begin(), text.end(), upper.begin(),
                      [](char a, char b) { return (a >= 'a' && a <= 'z' ? a - 32 : a) == b; });
}

bool OfKind(const TConnector& c, const std::string& grade, const std::string& attachment) {
    return InCapitalsIs(c.GradeCode(), grade) && InCapitalsIs(c.AttachmentCode(), attachment);
}

bool KeyAndKind(const TConnector& c, const EndChoice& end) {
    return KeyOf(c, end.byName) == end.key && OfKind(c, end.grade, end.attachment);
}

}  // namespace

// Each text's key is made once, not at every comparison: page 2 sorts its
// lists at every click.
StringList SortedUnique(StringList texts) {
    std::vector<std::pair<std::string, std::size_t>> keyed;
    keyed.reserve(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) keyed.emplace_back(UpperCase(texts[i]), i);
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    StringList sorted;
    sorted.reserve(keyed.size());
    for (std::size_t i = 0; i < keyed.size(); ++i)
        if (i == 0 || keyed[i].first != keyed[i - 1].first)
            sorted.push_back(std::move(texts[keyed[i].second]));
    return sorted;
}

StringList ConnectorKeys(const TTransmissionLine& cable, const std::string& grade,
                         const std::string& attachment, bool byName) {
    StringList keys;
    for (const TConnector& c : cable.connectors)
        if (OfKind(c, grade, attachment)) keys.emplace_back(KeyOf(c, byName));
    return SortedUnique(std::move(keys));
}

StringList SpecialChoices(const TTransmissionLine& cable, const EndChoice& end) {
    StringList choices;
    for (const TConnector& c : cable.connectors)
        if (KeyAndKind(c, end)) choices.push_back(Shown(c.Special(), kNoSpecial));
    return SortedUnique(std::move(choices));
}

StringList InnerChoices(const TTransmissionLine& cable, const EndChoice& end) {
    const std::string special = Stored(end.special, kNoSpecial);
    StringList choices;
    for (const TConnector& c : cable.connectors)
        if (KeyAndKind(c, end) && c.Special() == special)
            choices.push_back(Shown(c.Inner(), kNoInner));
    return SortedUnique(std::move(choices));
}

const TConnector* FittingConnector(const TTransmissionLine& cable, const EndChoice& end) {
    const std::string special = Stored(end.special, kNoSpecial);
    const std::string inner = Stored(end.inner, kNoInner);
    for (const TConnector& c : cable.connectors)
        if (KeyAndKind(c, end) && c.Special() == special && c.Inner() == inner) return &c;
    return nullptr;
}

TConnector* FittingConnector(TTransmissionLine& cable, const EndChoice& end) {
    return const_cast<TConnector*>(FittingConnector(std::as_const(cable), end));
}

const TConnector* ConnectorWithKey(const TTransmissionLine& cable, const EndChoice& end) {
    for (const TConnector& c : cable.connectors)
        if (KeyOf(c, end.byName) == end.key) return &c;
    return nullptr;
}

}  // namespace quill
