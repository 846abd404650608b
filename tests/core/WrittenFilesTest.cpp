#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "Files.h"
#include "TempDir.h"
#include "UnwritableFolder.h"
#include "platform/WrittenFiles.h"

using namespace quill;
namespace fs = std::filesystem;

namespace {

struct Decision {
    const char* name;
    const char* what;
    bool writable;
    const char* userFolder;
    const char* expected;
};

void PrintTo(const Decision& d, std::ostream* out) { *out << d.what; }

class WrittenFilesFolderTest : public ::testing::TestWithParam<Decision> {};

TEST_P(WrittenFilesFolderTest, Decides) {
    const Decision& d = GetParam();
    EXPECT_EQ(WrittenFilesFolder("/opt/quillroute", d.writable, d.userFolder), fs::path(d.expected))
        << d.what;
}

const char* const kUser = "/home/u/.local/share/Orlenk/Quillroute";

INSTANTIATE_TEST_SUITE_P(
    WrittenFiles, WrittenFilesFolderTest,
    ::testing::Values(Decision{"OwnCopy", "a copy of the user's own keeps its files beside it",
                               true, kUser, "/opt/quillroute"},
                      Decision{"Installed", "an installed program writes to the user's data folder",
                               false, kUser, kUser},
                      Decision{"NoUserDataFolder",
                               "without a user data folder the writers report the program "
                               "folder",
                               false, "", "/opt/quillroute"}),
    [](const ::testing::TestParamInfo<Decision>& info) { return std::string(info.param.name); });

TEST(CanWriteIn, AFolderOfTheUsersIsWritableAndKeepsNoTrace) {
    TempDir dir;
    dir.Write("order.qrf", "kept");
    EXPECT_TRUE(CanWriteIn(dir.Path()));
    EXPECT_EQ(FolderNames(dir.Path()), std::vector<std::string>{"order.qrf"});
}

TEST(CanWriteIn, NothingCanBeWrittenInAFolderThatIsNotThere) {
    TempDir dir;
    EXPECT_FALSE(CanWriteIn(dir / "missing"));
    EXPECT_FALSE(fs::exists(dir / "missing"));
}

TEST(CanWriteIn, AFileIsNoFolderToWriteIn) {
    TempDir dir;
    EXPECT_FALSE(CanWriteIn(dir.Write("quillroute", "an executable")));
}

TEST(CanWriteIn, AFolderLockedAgainstTheUserIsNotWritable) {
    TempDir dir;
    const fs::path program = dir / "program";
    fs::create_directories(program);
    UnwritableFolder locked(program);
    if (!locked.Active()) GTEST_SKIP() << "this file system cannot lock a folder against root";
    EXPECT_FALSE(CanWriteIn(program));
    // The decision that follows sends the written files to the user's folder.
    EXPECT_EQ(WrittenFilesFolder(program, CanWriteIn(program), dir / "user"), dir / "user");
}

}  // namespace
