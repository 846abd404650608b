// quillroute-check as a data maintainer runs it.

#include <gtest/gtest.h>

#include <filesystem>

#include "../support/RunCommand.h"
#include "../support/TempDir.h"

namespace {

namespace fs = std::filesystem;

CommandResult Check(const std::string& arguments) {
    return RunCommand(Quoted(QUILLROUTE_CHECK_PROGRAM) + " " + arguments + " 2>&1");
}

TEST(CheckCommand, TheBundledDataPassesAndABrokenSetFails) {
    const fs::path sample = fs::path(QUILLROUTE_SAMPLE_DATA);
    const CommandResult clean = Check(Quoted((sample / "program").string()));
    EXPECT_EQ(clean.status, 0) << clean.output;
    EXPECT_EQ(clean.output.rfind("No problems in 5 files of ", 0), 0u) << clean.output;

    const fs::path broken = fs::path(QUILLROUTE_TEST_DATA) / "check" / "broken";
    const CommandResult report =
        Check(Quoted((broken / "program").string()) + " " + Quoted((broken / "shared").string()));
    EXPECT_EQ(report.status, 1);
    EXPECT_NE(report.output.find("dat/jumpers.dat:11: [NOCABLE] the cable NOPE-1 is not in the "
                                 "catalogue\n"),
              std::string::npos);
    EXPECT_NE(report.output.find("46 problem(s) in 6 files of "), std::string::npos)
        << report.output;
}

TEST(CheckCommand, DataThatCannotBeReadEndsWithStatusTwo) {
    TempDir dir;
    const CommandResult missing = Check(Quoted((dir / "nowhere").string()));
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.output.find("dat/tlineconnectors.dat: cannot be read"), std::string::npos)
        << missing.output;
    EXPECT_EQ(Check("--help").status, 0);
    EXPECT_EQ(Check("a b c").status, 2);
}

}  // namespace
