#include <gtest/gtest.h>

#include "TempDir.h"
#include "catalogue/Jumpers.h"
#include "text/Error.h"

using namespace quill;

namespace {

struct Assembly {
    TTransmissionLine cable;
    TConnector top, bottom;
    TJumper jumper;
    Assembly(const char* partNumber, int topCode, int bottomCode) {
        cable.partNumber = partNumber;
        top.code = topCode;
        bottom.code = bottomCode;
        jumper.cable = &cable;
        jumper.topConnector = &top;
        jumper.bottomConnector = &bottom;
    }
};

const std::string kHeader = "[JUMPERS]";

// Every search is made twice, in the file read anew and in the file read once
// for many searches; both must answer alike.
bool Find(const std::filesystem::path& file, TJumper& jumper) {
    TJumper indexed = jumper;
    const bool found = FindStandardJumper(file, jumper);
    EXPECT_EQ(StandardJumpers(file).Find(indexed), found);
    EXPECT_EQ(indexed.basePartNumber, jumper.basePartNumber);
    EXPECT_EQ(indexed.source, jumper.source);
    return found;
}

}  // namespace

TEST(StandardJumpers, FindsThePairInEitherOrder) {
    TempDir dir;
    const auto file = dir.Write(
        "jumpers.dat",
        CrLf({kHeader, "[1]", "TLine=RVX4-50K|x|", "J1=716|720|a|b|RJ716-720-|c|3,6,10|1,2|",
              "J2= 716 | 716 |a|b|RJ716-|c|3,6,10,15|1,1.5,2,3|"}));
    Assembly same("RVX4-50K", 716, 716);
    ASSERT_TRUE(Find(file, same.jumper));
    EXPECT_EQ(same.jumper.basePartNumber, "RJ716-");
    EXPECT_EQ(same.jumper.feetLengths, "3,6,10,15");
    EXPECT_EQ(same.jumper.meterLengths, "1,1.5,2,3");
    Assembly reversed("RVX4-50K", 720, 716);
    ASSERT_TRUE(Find(file, reversed.jumper));
    EXPECT_EQ(reversed.jumper.basePartNumber, "RJ716-720-");
    Assembly none("RVX4-50K", 720, 720);
    EXPECT_FALSE(Find(file, none.jumper));
}

TEST(StandardJumpers, CableLineMatchesWithoutRegardToCase) {
    TempDir dir;
    const auto file = dir.Write(
        "jumpers.dat", CrLf({kHeader, "[1]", "tline=rvx4-50k|", "J1=1|2|a|b|BASE|c|3|1|"}));
    Assembly assembly("RVX4-50K", 2, 1);
    EXPECT_TRUE(Find(file, assembly.jumper));
}

TEST(StandardJumpers, OnlyTheFirstSectionOfACableIsSearchedAndNeverTheFileHeader) {
    TempDir dir;
    const auto file =
        dir.Write("jumpers.dat",
                  CrLf({"[0]", "TLine=C|", "J1=1|2|a|b|HEADER|c|3|1|", "[1]", "TLine=C|",
                        "J1=3|4|a|b|FIRST|c|3|1|", "[2]", "TLine=C|", "J1=1|2|a|b|SECOND|c|3|1|"}));
    Assembly inHeader("C", 1, 2);
    EXPECT_FALSE(Find(file, inHeader.jumper));
    Assembly inFirst("c", 4, 3);
    EXPECT_TRUE(Find(file, inFirst.jumper));
    EXPECT_EQ(inFirst.jumper.source, "jumpers.dat [1]");
    const auto onlyHeader = dir.Write("only.dat", CrLf({"[0]", "TLine=C|", "J1=1|2|a|b|H|c|3|1|"}));
    EXPECT_FALSE(Find(onlyHeader, inHeader.jumper));
}

TEST(StandardJumpers, TheCableLineIsNeverAJumperLine) {
    TempDir dir;
    const auto file = dir.Write("jumpers.dat", CrLf({kHeader, "[1]", "TLine=C|2|a|b|X|c|3|1|"}));
    Assembly assembly("C", 2, 2);
    EXPECT_FALSE(Find(file, assembly.jumper));
}

TEST(StandardJumpers, BadConnectorCodeStopsTheSearchWithTheIntegerError) {
    TempDir dir;
    const auto file =
        dir.Write("jumpers.dat", CrLf({kHeader, "[CABLE 3]", "TLine=C|", "J1=7a|2|a|b|X|c|3|1|"}));
    Assembly assembly("C", 1, 2);
    for (const bool readOnce : {false, true}) {
        try {
            readOnce ? StandardJumpers(file).Find(assembly.jumper)
                     : FindStandardJumper(file, assembly.jumper);
            ADD_FAILURE() << "no error";
        } catch (const QuillError& error) {
            EXPECT_STREQ(error.what(), "jumpers.dat [CABLE 3]: '7a' is not a valid integer value");
        }
    }
}

TEST(StandardJumpers, MissingFileFindsNothing) {
    TempDir dir;
    Assembly assembly("C", 1, 2);
    EXPECT_FALSE(Find(dir / "absent.dat", assembly.jumper));
}

TEST(ReadJumperRecord, KeyStaysGluedToTheFirstField) {
    TJumper jumper;
    ReadJumperRecord("J1=1|2|a|b| BASE |c|3, 6|1.5|", jumper);
    EXPECT_EQ(jumper.basePartNumber, " BASE ");
    EXPECT_EQ(jumper.feetLengths, "3, 6");
    EXPECT_EQ(jumper.meterLengths, "1.5");
    EXPECT_THROW(ReadJumperRecord("J1=1|2|a|b|BASE|", jumper), QuillError);
}
