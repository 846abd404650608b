#include <gtest/gtest.h>

#include "catalogue/ConnectorChoices.h"

using namespace quill;

namespace {

// name, special, mates-to, inner, grade, attachment
TTransmissionLine CableWith(std::initializer_list<std::array<const char*, 6>> connectors) {
    TTransmissionLine cable;
    int code = 1;
    for (const auto& f : connectors) {
        cable.AddConnector(std::to_string(code++) + "|PN|" + f[0] + "|" + f[1] + "|" + f[2] + "|" +
                           f[3] + "|" + f[4] + "|" + f[5] + "|");
    }
    return cable;
}

const TTransmissionLine kCable = CableWith({
    {"N Male", "", "N Female", "Captivated", "P", "R"},
    {"7-16 DIN Male", "RIGHT ANGLE", "7-16 DIN Female", "", "p", "s"},
    {"7-16 DIN Male", "", "7-16 DIN Female", "", "P", "S"},
    {"7-16 DIN Male", "", "7-16 DIN Female", "Solder", "P", "R"},
    {"7-16 DIN Male", "LOW PIM", "7-16 DIN Female", "", "P", "R"},
    {"7-16 DIN Male", "", "7-16 DIN Female", "Captivated", "S", "R"},
    {"4.3-10 male", "", "4.3-10 Female", "", "S", "R"},
});

EndChoice End(const char* key, const char* grade, const char* attachment, bool byName = true,
              const char* special = "(none)", const char* inner = "(N/A)") {
    return EndChoice{key, byName, special, inner, attachment, grade};
}

}  // namespace

TEST(ConnectorChoices, KeysFollowGradeAndAttachmentSortedWithoutRegardToCase) {
    EXPECT_EQ(ConnectorKeys(kCable, "P", "S", true), StringList{"7-16 DIN Male"});
    EXPECT_EQ(ConnectorKeys(kCable, "P", "R", true), (StringList{"7-16 DIN Male", "N Male"}));
    EXPECT_EQ(ConnectorKeys(kCable, "S", "R", true), (StringList{"4.3-10 male", "7-16 DIN Male"}));
    EXPECT_EQ(ConnectorKeys(kCable, "S", "R", false),
              (StringList{"4.3-10 Female", "7-16 DIN Female"}));
    EXPECT_TRUE(ConnectorKeys(kCable, "S", "S", true).empty());
}

TEST(ConnectorChoices, SpecialAndInnerListsHonourTheGrade) {
    // Plated regular 7-16 DIN Male: an empty special (soldered) and LOW PIM.
    EXPECT_EQ(SpecialChoices(kCable, End("7-16 DIN Male", "P", "R")),
              (StringList{"(none)", "LOW PIM"}));
    // The standard-grade choice must not offer what only the plated connector has.
    EXPECT_EQ(SpecialChoices(kCable, End("7-16 DIN Male", "S", "R")), StringList{"(none)"});
    EXPECT_EQ(InnerChoices(kCable, End("7-16 DIN Male", "P", "R")), StringList{"Solder"});
    EXPECT_EQ(InnerChoices(kCable, End("7-16 DIN Male", "S", "R")), StringList{"Captivated"});
    EXPECT_EQ(InnerChoices(kCable, End("7-16 DIN Male", "P", "S", true, "RIGHT ANGLE")),
              StringList{"(N/A)"});
}

TEST(ConnectorChoices, MatesToKeyFindsTheConnectorThatFitsEverything) {
    const EndChoice plated = End("7-16 DIN Female", "P", "R", false, "(none)", "Solder");
    ASSERT_NE(FittingConnector(kCable, plated), nullptr);
    EXPECT_EQ(FittingConnector(kCable, plated)->code, 4);
    const EndChoice standard = End("7-16 DIN Female", "S", "R", false, "(none)", "Captivated");
    EXPECT_EQ(FittingConnector(kCable, standard)->code, 6);
    EXPECT_EQ(FittingConnector(kCable, End("7-16 DIN Female", "S", "R", false, "LOW PIM")),
              nullptr);
    EXPECT_EQ(ConnectorWithKey(kCable, End("7-16 DIN Female", "S", "R", false))->code, 2);
}

TEST(ConnectorChoices, EmptySpecialAndInnerAreFoundThroughTheirPlaceholders) {
    const TConnector* found = FittingConnector(kCable, End("7-16 DIN Male", "P", "S"));
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->code, 3);
}

TEST(SortedUnique, KeepsTheFirstSpellingOnce) {
    EXPECT_EQ(SortedUnique({"b", "A", "a", "B", "c"}), (StringList{"A", "b", "c"}));
}
