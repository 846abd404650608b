#include <gtest/gtest.h>

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
