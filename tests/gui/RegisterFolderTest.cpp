// quillroute_register_shared_folder as an installer or a user runs it, with
// its own per-user settings folder.

#include <gtest/gtest.h>

#include "../support/Files.h"
#include "../support/RunCommand.h"
#include "../support/TempDir.h"

namespace {

namespace fs = std::filesystem;

class RegisterFolder : public ::testing::Test {
  protected:
    struct Ran {
        int status = -1;
        std::string output;
    };

    Ran Register(const std::string& arguments) {
        const std::string command = "XDG_CONFIG_HOME='" + (temp / "config").string() + "' '" +
                                    QUILLROUTE_REGISTER_PROGRAM + "' " + arguments + " 2>&1";
        Ran run;
        if (std::FILE* pipe = ::popen(command.c_str(), "r")) {
            char buffer[4096];
            std::size_t n;
            while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
                run.output.append(buffer, n);
            const int status = ::pclose(pipe);
            run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        return run;
    }

    // The registered folder as the settings file holds it; empty for none.
    std::string Registered() {
        const std::string settings = ReadBytes(temp / "config" / "Orlenk" / "registry.ini");
        const std::size_t at = settings.find("Path=");
        if (at == std::string::npos) return {};
        return settings.substr(at + 5, settings.find('\n', at) - at - 5);
    }

    std::string Quoted(const fs::path& path) { return ::Quoted(path.string()); }

    TempDir temp;
};

TEST_F(RegisterFolder, AWrongCommandLineRegistersNothing) {
    EXPECT_EQ(Register("--no-such-option").status, 2);
    EXPECT_EQ(Registered(), "");
}

TEST_F(RegisterFolder, AFolderThatDoesNotExistIsRefused) {
    const Ran run = Register(Quoted(temp / "nowhere"));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("is not a folder"), std::string::npos) << run.output;
    EXPECT_EQ(Registered(), "");
    EXPECT_EQ(Register("--no-such-option").status, 2);
    EXPECT_EQ(Register("").status, 2);
    EXPECT_EQ(Register("a b").status, 2);
}

TEST_F(RegisterFolder, TheFirstFolderStaysUntilForceReplacesIt) {
    temp.Write("first/M_lom.dat", "C|x|P|y|z|1|\r\n");
    temp.Write("second/M_lom.dat", "C|x|P|y|z|1|\r\n");
    ASSERT_EQ(Register(Quoted(temp / "first")).status, 0);
    EXPECT_EQ(Registered(), (temp / "first").string());

    const Ran again = Register(Quoted(temp / "second"));
    EXPECT_EQ(again.status, 0);
    EXPECT_NE(again.output.find("already registered"), std::string::npos);
    EXPECT_EQ(Registered(), (temp / "first").string());

    ASSERT_EQ(Register("--force " + Quoted(temp / "second")).status, 0);
    EXPECT_EQ(Registered(), (temp / "second").string());
}

TEST_F(RegisterFolder, AFolderWithoutAPriceListIsRegisteredWithANote) {
    fs::create_directories(temp / "empty");
    const Ran run = Register(Quoted(temp / "empty"));
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.output.find("holds no M_lom.dat"), std::string::npos) << run.output;
}

}  // namespace
