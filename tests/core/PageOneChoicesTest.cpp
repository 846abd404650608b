// Page 1's rules without a window: the application, the feeder's ends and the
// two frequency boxes that narrow each other's list.

#include <gtest/gtest.h>

#include "session/PageOneChoices.h"

using namespace quill;

namespace {

using Texts = std::vector<std::string>;

PageOneChoices Started() {
    PageOneChoices page;
    page.Start();
    page.FillBand({{"1", "30", "800", "1700"}, {"960", "2000", "2200", "2700"}});
    return page;
}

TEST(PageOneChoices, TheApplicationDecidesLengthsWaveguideAndEnds) {
    PageOneChoices page = Started();
    EXPECT_EQ(page.length.text, "6");
    EXPECT_EQ(page.length.Items().size(), 50u);
    EXPECT_FALSE(page.cableType.Enabled(2));

    page.ChooseApplication(true);
    EXPECT_EQ(page.length.text, "200");
    EXPECT_EQ(page.length.Items().front(), "100");
    EXPECT_EQ(page.length.Items().back(), "500");
    EXPECT_TRUE(page.cableType.Enabled(2));
    EXPECT_EQ(page.feederItem.index, 0);
    page.cableType.Select(2);
    page.SetEnds(false, true);

    page.ChooseApplication(false);
    EXPECT_EQ(page.length.text, "6");
    EXPECT_EQ(page.cableType.index, 1);
    EXPECT_FALSE(page.cableType.Enabled(2));
    EXPECT_TRUE(page.topIncluded && page.bottomIncluded);
    EXPECT_EQ(page.feederItem.index, -1);  // a jumper has no feeder item
    EXPECT_EQ(page.AsSelection().feederIndex, -1);
    EXPECT_NO_THROW(page.AsSelection().RequireConsistentEnds());
}

TEST(PageOneChoices, TheEndsChooseTheFeederItemAndTheItemsOpen) {
    struct Case {
        bool top, bottom;
        int item;
        std::vector<bool> open;
    };
    const Case cases[] = {{true, true, 0, {true, true, true, true}},
                          {true, false, 1, {false, true, false, true}},
                          {false, true, 2, {false, false, true, true}},
                          {false, false, 3, {false, false, false, true}}};
    for (const Case& c : cases) {
        PageOneChoices page = Started();
        page.ChooseApplication(true);
        page.SetEnds(c.top, c.bottom);
        EXPECT_EQ(page.feederItem.index, c.item) << c.top << c.bottom;
        EXPECT_EQ(page.feederItem.enabled, c.open) << c.top << c.bottom;
        const Selection s = page.AsSelection();
        EXPECT_EQ(s.feederIndex, c.item);
        EXPECT_NO_THROW(s.RequireConsistentEnds());
        // Chosen by its item, the same ends.
        PageOneChoices byItem = Started();
        byItem.ChooseApplication(true);
        byItem.ChooseFeederItem(c.item);
        EXPECT_EQ(byItem.topIncluded, c.top);
        EXPECT_EQ(byItem.bottomIncluded, c.bottom);
    }
}

// Each row: what the two boxes hold, which one is left, and what the other
// one then offers and shows.
TEST(PageOneChoices, LeavingOneFrequencyBoxNarrowsTheOther) {
    struct Case {
        const char* name;
        std::string begin, end;
        bool leaveBeginning;
        Texts offered;
        std::string shown;
    };
    const Case cases[] = {
        {"higher endings", "1700", "2200", true, {"2000", "2200", "2700"}, "2200"},
        {"above the ending", "2100", "2000", true, {"2200", "2700"}, "2200"},
        {"typed ending", "800", "2100", true, {"960", "2000", "2200", "2700", "2100"}, "2100"},
        {"no number", "", "2200", true, {"960", "2000", "2200", "2700"}, "2200"},
        {"lower beginnings", "800", "960", false, {"1", "30", "800"}, "800"},
        {"below the beginning", "1700", "960", false, {"1", "30", "800"}, "800"},
        {"typed beginning", "850", "2200", false, {"1", "30", "800", "1700", "850"}, "850"},
        {"spelled otherwise", "800.0", "2200", false, {"1", "30", "800", "1700", "800.0"}, "800.0"},
        {"no beginning", "abc", "2200", false, {"1", "30", "800", "1700"}, ""},
    };
    for (const Case& c : cases) {
        PageOneChoices page = Started();
        page.beginning.text = c.begin;
        page.ending.text = c.end;
        c.leaveBeginning ? page.LeaveBeginning() : page.LeaveEnding();
        const ListChoice& left = c.leaveBeginning ? page.beginning : page.ending;
        const ListChoice& other = c.leaveBeginning ? page.ending : page.beginning;
        EXPECT_EQ(other.Items(), c.offered) << c.name;
        EXPECT_EQ(other.text, c.shown) << c.name;
        EXPECT_EQ(left.text, c.leaveBeginning ? c.begin : c.end) << c.name;
    }
}

TEST(PageOneChoices, TheUnitSwitchConvertsListsAndTexts) {
    PageOneChoices page = Started();
    page.ending.text = "2150";
    page.SwitchUnit(true);
    EXPECT_EQ(page.beginning.Items(), (Texts{"0.001", "0.03", "0.8", "1.7"}));
    EXPECT_EQ(page.beginning.text, "0.8");
    EXPECT_EQ(page.ending.text, "2.15");
    const Selection s = page.AsSelection();
    EXPECT_TRUE(s.ghz);
    EXPECT_DOUBLE_EQ(s.EndMHz(), 2150);
    page.SwitchUnit(true);  // no second division
    EXPECT_EQ(page.ending.text, "2.15");
    page.SwitchUnit(false);
    EXPECT_EQ(page.ending.text, "2150");
}

}  // namespace
