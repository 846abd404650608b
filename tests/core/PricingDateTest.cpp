#include <gtest/gtest.h>

#include "Files.h"
#include "TempDir.h"
#include "pricing/PricingDate.h"

using namespace quill;

namespace {
const Date kToday{2004, 1, 30};
}

TEST(PricingDate, MissingOrBadDatesReadAsToday) {
    TempDir dir;
    EXPECT_EQ(ReadPricingDate(dir.Path(), kToday), kToday);
    dir.Write("update.ini", "[UPDATE]\r\nlast=garbage\r\n");
    EXPECT_EQ(ReadPricingDate(dir.Path(), kToday), kToday);
    dir.Write("update.ini", "[OTHER]\r\nlast=01/01/2004\r\n");
    EXPECT_EQ(ReadPricingDate(dir.Path(), kToday), kToday);
    dir.Write("update.ini", "[UPDATE]\r\nlast=02/30/2004\r\n");
    EXPECT_EQ(ReadPricingDate(dir.Path(), kToday), kToday);
    dir.Write("update.ini", "[update]\r\nLAST=01/01/2004\r\n");
    EXPECT_EQ(ReadPricingDate(dir.Path(), kToday), (Date{2004, 1, 1}));
}

// The date shown is the later of the recorded one and the price list's own
// day; a fresh install (no record) shows the price list's day, not today.
TEST(PricingDate, IsTheLaterOfTheRecordAndThePriceList) {
    struct Case {
        const char* name;
        const char* record;  // update.ini, nullptr for none
        Date list;           // the price list's day; {0,0,0} for no list
        Date shown;
    };
    const Case cases[] = {
        {"fresh install", nullptr, {2003, 11, 2}, {2003, 11, 2}},
        {"record newer than the list", "last=01/15/2004", {2003, 11, 2}, {2004, 1, 15}},
        {"list newer than the record", "last=10/01/2003", {2003, 11, 2}, {2003, 11, 2}},
        {"bad record", "last=02/30/2004", {2003, 11, 2}, {2003, 11, 2}},
        {"neither", nullptr, {0, 0, 0}, kToday},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        if (c.record) dir.Write("update.ini", std::string("[UPDATE]\r\n") + c.record + "\r\n");
        const std::filesystem::path list = dir / "M_lom.dat";
        if (c.list.year != 0) {
            dir.Write("M_lom.dat", "");
            ASSERT_TRUE(SetDayOfLastChange(list, c.list.year, c.list.month, c.list.day));
        }
        EXPECT_EQ(PricingDate(dir.Path(), list, kToday), c.shown);
    }
}

TEST(PricingDate, StaleFromTheThirtiethDay) {
    const Date updated{2004, 1, 1};
    EXPECT_FALSE(IsPricingStale(updated, Date{2004, 1, 30}));
    EXPECT_TRUE(IsPricingStale(updated, Date{2004, 1, 31}));
    EXPECT_FALSE(IsPricingStale(updated, updated));
}

TEST(PricingDate, RecordingKeepsTheRestOfTheFile) {
    TempDir dir;
    RecordPricingUpdate(dir.Path(), kToday);
    EXPECT_EQ(ReadPricingDate(dir.Path(), Date{2010, 5, 5}), kToday);
    dir.Write("update.ini", "[OTHER]\r\nx=1\r\n[UPDATE]\r\nlast=01/01/2000\r\nkeep=yes\r\n");
    RecordPricingUpdate(dir.Path(), kToday);
    EXPECT_EQ(ReadPricingDate(dir.Path(), Date{2010, 5, 5}), kToday);
    std::ifstream in(dir / "update.ini", std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, "[OTHER]\r\nx=1\r\n\r\n[UPDATE]\r\nlast=01/30/2004\r\nkeep=yes\r\n\r\n");
}
