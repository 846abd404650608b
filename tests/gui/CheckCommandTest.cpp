// quillroute-check as a data maintainer runs it.

#include <gtest/gtest.h>

#include <filesystem>

#include "../support/RunCommand.h"
#include "../support/TempDir.h"

namespace {

namespace fs = std::filesystem;

// Run for a user whose settings are in that folder (none registered by default).
CommandResult Check(const std::string& arguments,
                    const std::string& config = "/nonexistent/quillroute-config") {
    return RunCommand("XDG_CONFIG_HOME=" + Quoted(config) + " " + Quoted(QUILLROUTE_CHECK_PROGRAM) +
                      " " + arguments + " 2>&1");
}

TEST(CheckCommand, TheBundledDataPassesAndABrokenSetFails) {
    const fs::path sample = fs::path(QUILLROUTE_SAMPLE_DATA);
    const CommandResult clean = Check(Quoted((sample / "program").string()));
    EXPECT_EQ(clean.status, 0) << clean.output;
    EXPECT_NE(clean.output.find("\nNo problems in 5 files of "), std::string::npos) << clean.output;

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
    EXPECT_NE(missing.output.find((dir / "nowhere" / "dat" / "tlineconnectors.dat").string() +
                                  ": cannot be read"),
              std::string::npos)
        << "named with its folder";
    EXPECT_EQ(Check("a b c").status, 2);
}

// Without arguments: the folder the command lies in (the build's, with the
// sample program data) and the shared folder registered for the user, each named.
TEST(CheckCommand, WithoutArgumentsItChecksItsFolderAndTheRegisteredSharedFolder) {
    TempDir config;
    const fs::path shared = fs::path(QUILLROUTE_SAMPLE_DATA) / "shared";
    ASSERT_EQ(RunCommand("XDG_CONFIG_HOME=" + Quoted(config.Path().string()) + " " +
                         Quoted(QUILLROUTE_REGISTER_PROGRAM) + " " + Quoted(shared.string()))
                  .status,
              0);
    const CommandResult run = Check("", config.Path().string());
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("Program folder: " +
                              fs::path(QUILLROUTE_CHECK_PROGRAM).parent_path().string() + "\n"),
              std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("Shared folder: " + fs::absolute(shared).lexically_normal().string() +
                              " (registered for this user)\n"),
              std::string::npos)
        << run.output;
}

// Each companion prints its usage on standard output with --help and its
// version with --version, both with status 0.
TEST(Companions, HelpAndVersion) {
    const struct {
        const char* program;
        const char* usage;
    } companions[] = {
        {QUILLROUTE_CHECK_PROGRAM, "[PROGRAM_FOLDER [SHARED_FOLDER]]"},
        {QUILLROUTE_EXPORT_PROGRAM, "--format <txt|xls|xlsx|html|pdf|clipboard-text>"},
        {QUILLROUTE_REGISTER_PROGRAM, "[options] SHARED-DATA-FOLDER"}};
    for (const auto& c : companions) {
        const CommandResult help = RunCommand(Quoted(c.program) + " --help 2>/dev/null");
        EXPECT_EQ(help.status, 0) << c.program;
        EXPECT_NE(help.output.find(c.usage), std::string::npos) << help.output;
        const CommandResult version = RunCommand(Quoted(c.program) + " --version 2>/dev/null");
        EXPECT_EQ(version.output,
                  fs::path(c.program).filename().string() + " " QUILLROUTE_VERSION "\n");
    }
}

}  // namespace
