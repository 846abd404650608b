#include <gtest/gtest.h>

#include "catalogue/Images.h"

using namespace quill;

TEST(ConnectorPictures, MarkersSelectTheFormAndTheFirstEntryWins) {
    const StringList lines{"7-16 din male|||716m.gif|",      "7-16 DIN Male||V|716m-vl.gif|",
                           "7-16 DIN Male|RA||716m-ra.gif|", "7-16 DIN Male|RA|V|716m-ra-vl.gif|",
                           "7-16 DIN Male|||second.gif|",    "N Male|||nm.gif"};
    EXPECT_EQ(ConnectorPictureFile(lines, "7-16 DIN Male", false, false), "716m.gif");
    EXPECT_EQ(ConnectorPictureFile(lines, "7-16 DIN Male", false, true), "716m-vl.gif");
    EXPECT_EQ(ConnectorPictureFile(lines, "7-16 DIN Male", true, false), "716m-ra.gif");
    EXPECT_EQ(ConnectorPictureFile(lines, "7-16 din MALE", true, true), "716m-ra-vl.gif");
    // The last field has no "|" after it, so the entry names no file.
    EXPECT_EQ(ConnectorPictureFile(lines, "N Male", false, false), "");
    EXPECT_EQ(ConnectorPictureFile(lines, "N Female", false, false), "");
}

TEST(ConnectorPictures, RightAngleIsFoundInAnyCase) {
    EXPECT_TRUE(IsRightAngleText("Right Angle, low profile"));
    EXPECT_TRUE(IsRightAngleText("RIGHT ANGLE"));
    EXPECT_FALSE(IsRightAngleText("(none)"));
    EXPECT_FALSE(IsRightAngleText("RIGHTANGLE"));
}
