#include <gtest/gtest.h>

#include "TempDir.h"
#include "catalogue/Catalogue.h"
#include "catalogue/DataFiles.h"
#include "text/Error.h"

using namespace quill;

TEST(DataFiles, NamesAreMatchedWithoutRegardToCase) {
    TempDir dir;
    dir.Write("shared/M_lom.dat", "x\r\n");
    dir.Write("program/DAT/TLineConnectors.dat", "");
    EXPECT_EQ(FindFileIgnoringCase(dir / "shared", "M_Lom.dat"), dir / "shared" / "M_lom.dat");
    EXPECT_EQ(FindFileIgnoringCase(dir / "program", "dat/tlineconnectors.dat"),
              dir / "program" / "DAT" / "TLineConnectors.dat");
    EXPECT_FALSE(FindFileIgnoringCase(dir / "program", "dat/images.dat"));
    EXPECT_EQ(DataFilePath(dir / "program", "dat/images.dat"),
              dir / "program" / "dat" / "images.dat");
}

TEST(DataFiles, RequiredFilesAreAllFour) {
    TempDir dir;
    const auto shared = dir / "shared";
    const auto program = dir / "program";
    EXPECT_FALSE(RequiredFilesPresent(shared, program));
    dir.Write("shared/M_lom.dat", "");
    dir.Write("program/dat/tlineconnectors.dat", "");
    dir.Write("program/dat/images.dat", "");
    EXPECT_FALSE(RequiredFilesPresent(shared, program));
    dir.Write("program/dat/jumpers.dat", "");
    EXPECT_TRUE(RequiredFilesPresent(shared, program));
    EXPECT_FALSE(RequiredFilesPresent("", program));
}

TEST(DataFiles, ReadAllLinesSplitsAtAnyLineEnd) {
    TempDir dir;
    const auto file = dir.Write("lines.txt", "a\r\nb\rc\nd\r\n\r\ne");
    EXPECT_EQ(ReadAllLines(file), (StringList{"a", "b", "c", "d", "", "e"}));
    try {
        ReadAllLines(dir / "missing.txt");
        FAIL();
    } catch (const QuillError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot open file " + (dir / "missing.txt").string());
    }
}

TEST(FrequencyLists, DistinctAndInNumericOrder) {
    TTransmissionLine a, b, c, d;
    a.lowFrequency = 900, a.highFrequency = 2200;
    b.lowFrequency = 80, b.highFrequency = 1000;
    c.lowFrequency = 1800, c.highFrequency = 2200;
    d.lowFrequency = 900, d.highFrequency = 1.5;
    const FrequencyLists lists = BuildFrequencyLists({&a, &b, &c, &d});
    EXPECT_EQ(lists.begin, (StringList{"80", "900", "1800"}));
    EXPECT_EQ(lists.end, (StringList{"1.5", "1000", "2200"}));
    EXPECT_EQ(FrequenciesAbove(lists.begin, 900), StringList{"1800"});
    EXPECT_EQ(FrequenciesBelow(lists.end, 1000), StringList{"1.5"});
}
