#include <gtest/gtest.h>

#include "results/StandardLengths.h"

using namespace quill;

TEST(MetricLengthCode, WholeAndFractionalMeters) {
    EXPECT_EQ(MetricLengthCode("2"), "2M");
    EXPECT_EQ(MetricLengthCode("1.5"), "1M5");
    EXPECT_EQ(MetricLengthCode("0.5"), "M5");
    EXPECT_EQ(MetricLengthCode("2.25"), "2M25");
    EXPECT_EQ(MetricLengthCode("x.5"), "xM5");
}
