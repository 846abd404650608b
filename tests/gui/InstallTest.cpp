// The program as `cmake --install` lays it out, in a prefix its user cannot
// write: a quote, the order, its files and the exports go to the user's data
// folder, and the installed tree stays exactly as it was installed.

#include <QStandardPaths>
#include <cstdlib>
#include <map>

#include "../support/Files.h"
#include "../support/RunCommand.h"
#include "../support/UnwritableFolder.h"
#include "OrderFixture.h"
#include "platform/UserFolders.h"
#include "platform/WrittenFiles.h"

namespace wizard {
namespace {

// What lies below a folder: every entry with its kind, size and time, links
// with their targets.
std::map<std::string, std::string> Snapshot(const fs::path& root) {
    std::map<std::string, std::string> entries;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::end(it); ++it) {
        const fs::path& path = it->path();
        const auto status = fs::symlink_status(path);
        std::string what;
        if (fs::is_symlink(status)) {
            what = "link to " + fs::read_symlink(path).string();
        } else if (fs::is_directory(status)) {
            what = "folder";
        } else {
            what = std::to_string(fs::file_size(path)) + " bytes, " +
                   std::to_string(fs::last_write_time(path).time_since_epoch().count());
        }
        entries[fs::relative(path, root).string()] = what;
    }
    return entries;
}

// Every file below a folder, by its path from there.
std::vector<std::string> FilesBelow(const fs::path& root) {
    std::vector<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file()) files.push_back(fs::relative(entry.path(), root).string());
    std::sort(files.begin(), files.end());
    return files;
}

class InstalledProgram : public OrderFixture {
  protected:
    // One installation for the tests of a run, locked against its user as
    // the administrator's folders are.
    static void SetUpTestSuite() {
        installation_ = new TempDir;
        const CommandResult installed =
            RunCommand(Quoted(QUILLROUTE_CMAKE) + " --install " + Quoted(QUILLROUTE_BUILD_DIR) +
                       " --prefix " + Quoted(Prefix().string()) + " 2>&1");
        installOutput_ = installed.output;
        installed_ = installed.status == 0;
        if (!installed_) return;
        installed_ = DatePriceList(Prefix() / "share/quillroute/shared");
        locks_ = new std::vector<std::unique_ptr<UnwritableFolder>>;
        locked_ = true;
        const auto lock = [](const fs::path& folder) {
            locks_->push_back(std::make_unique<UnwritableFolder>(folder));
            locked_ = locked_ && locks_->back()->Active();
        };
        lock(Prefix());
        for (const auto& entry : fs::recursive_directory_iterator(Prefix()))
            if (entry.is_directory() && !entry.is_symlink()) lock(entry.path());
    }
    static void TearDownTestSuite() {
        delete locks_;  // unlocked before the folder is removed
        locks_ = nullptr;
        delete installation_;
        installation_ = nullptr;
    }

    static fs::path Prefix() { return installation_->Path() / "prefix"; }

    void SetUp() override {
        ASSERT_TRUE(installed_) << installOutput_;
        // The user's own folders, wherever the desktop keeps them.
        home = temp / "home";
        fs::create_directories(home);
        SetVariable("XDG_DATA_HOME", (home / ".local/share").string());
        SetVariable("XDG_CONFIG_HOME", (home / ".config").string());
        quill::NameApplication();
        userFolder = home / ".local/share/Orlenk/Quillroute";

        programFolder = Prefix() / "lib/quillroute";
        sharedFolder = Prefix() / "share/quillroute/shared";
        registry.WriteString(kCommonFilesKey, "Path", sharedFolder.string());
        downloader.SetConnectionQuery([] { return true; });
        if (locked_) {
            writtenFolder = quill::WrittenFilesFolderFor(programFolder);
        } else {
            // Root on a file system that cannot lock a folder against it: the
            // answer of the lock is given instead, and the check that nothing
            // lands in the installation still holds every writer to it.
            writtenFolder = quill::WrittenFilesFolder(programFolder, false, userFolder);
            fs::create_directories(writtenFolder);
        }
        installedTree = Snapshot(Prefix());
    }

    void TearDown() override {
        OrderFixture::TearDown();
        for (const auto& [name, value] : saved) {
            if (value)
                ::setenv(name.c_str(), value->c_str(), 1);
            else
                ::unsetenv(name.c_str());
        }
    }

    void SetVariable(const std::string& name, const std::string& value) {
        const char* old = std::getenv(name.c_str());
        saved.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        ::setenv(name.c_str(), value.c_str(), 1);
    }

    // A command of the installation, with this test's user folders.
    CommandResult RunInstalled(const std::string& command, const std::string& arguments) {
        return RunCommand("XDG_DATA_HOME=" + Quoted((home / ".local/share").string()) +
                          " XDG_CONFIG_HOME=" + Quoted((home / ".config").string()) +
                          " QT_QPA_PLATFORM=offscreen " +
                          Quoted((Prefix() / "bin" / command).string()) + " " + arguments +
                          " 2>&1");
    }

    static inline TempDir* installation_ = nullptr;
    static inline std::vector<std::unique_ptr<UnwritableFolder>>* locks_ = nullptr;
    static inline bool installed_ = false;
    static inline bool locked_ = false;
    static inline std::string installOutput_;

    fs::path home, userFolder;
    std::map<std::string, std::string> installedTree;
    std::vector<std::pair<std::string, std::optional<std::string>>> saved;
};

TEST_F(InstalledProgram, QuotesOrdersSavesReopensAndExportsIntoTheUsersDataFolder) {
    ASSERT_FALSE(quill::CanWriteIn(programFolder) && locked_);
    ASSERT_EQ(writtenFolder, userFolder);
    temp.Write("home/.local/share/Orlenk/Quillroute/update.ini", "[UPDATE]\r\nlast=11/02/2026\r\n");

    shell.applications = {".xls"};  // a spreadsheet program is there to open the export

    // The catalogue, the pictures and the price list come from the installation.
    Start();
    ToFinal();
    EXPECT_TRUE(ui().imgCable->HasPicture());
    AddToOrder();
    EXPECT_EQ(RowTexts(0).at(2), "J4V-DMDM-10");
    EXPECT_NE(ReadBytes(userFolder / "Quillroute.lom").find("|J4V-DMDM-10|"), std::string::npos);

    const fs::path saved = userFolder / "data" / "quote.qrf";
    fileDialogs.Choose(saved);
    Click(window->findChild<QPushButton*>("btnSave"));
    ASSERT_EQ(fileDialogs.calls.size(), 1u);
    EXPECT_EQ(fileDialogs.calls[0].request.initialFolder, userFolder / "data");
    EXPECT_EQ(ReadBytes(saved), ReadBytes(userFolder / "Quillroute.lom"));

    // Reopened in a new window, as on another day.
    window.reset();
    fileDialogs.calls.clear();
    Start();
    fileDialogs.Choose(saved);
    ui().Open1->trigger();
    ASSERT_EQ(fileDialogs.calls.size(), 1u);
    EXPECT_EQ(fileDialogs.calls[0].request.initialFolder, userFolder / "data");
    ASSERT_EQ(Shown(), ui().tsOrder) << ::testing::PrintToString(messages.calls);
    EXPECT_EQ(RowTexts(0).at(2), "J4V-DMDM-10");

    const struct {
        QAction* action;
        const char* folder;
    } exports[] = {{ui().ToATextFile1, "txt"},
                   {ui().ToanMSExcelSpreadsheet1, "xls"},
                   {ui().ToanHTMLDocument1, "html"},
                   {ui().ToAPDFDocument1, "pdf"}};
    for (const auto& out : exports) {
        fileDialogs.Choose(userFolder / out.folder / "order");
        out.action->trigger();
        EXPECT_EQ(fileDialogs.calls.back().request.initialFolder, userFolder / out.folder);
    }
    // The notes read the pricing date where the program keeps it.
    EXPECT_NE(ReadBytes(userFolder / "txt/order.txt")
                  .find("Your pricing database was last updated on 11/02/2026"),
              std::string::npos);
    EXPECT_TRUE(ReadBytes(userFolder / "pdf/order.pdf").starts_with("%PDF-"));
    EXPECT_TRUE(messages.Boxes().empty()) << ::testing::PrintToString(messages.calls);

    EXPECT_EQ(FilesBelow(userFolder),
              (std::vector<std::string>{"Quillroute.lom", "data/quote.qrf", "html/order.html",
                                        "pdf/order.pdf", "txt/order.txt", "update.ini",
                                        "xls/order.xls"}));
    EXPECT_EQ(Snapshot(Prefix()), installedTree);
}

TEST_F(InstalledProgram, TheCompanionCommandsFindTheirDataThroughTheirLinks) {
    const CommandResult check = RunInstalled("quillroute-check", "");
    EXPECT_EQ(check.status, 0) << check.output;
    EXPECT_NE(check.output.find(sharedFolder.string()), std::string::npos) << check.output;

    temp.Write("home/.local/share/Orlenk/Quillroute/update.ini", "[UPDATE]\r\nlast=11/02/2026\r\n");
    const fs::path order = temp / "quote.qrf";
    WriteOrder(order, "1=1|Each|QR-001|J4V-DMDM-10|ten foot jumper|156.73|\r\n");
    const CommandResult exported =
        RunInstalled("quillroute-export", "--format txt " + Quoted(order.string()) + " " +
                                              Quoted((temp / "quote.txt").string()));
    ASSERT_EQ(exported.status, 0) << exported.output;
    const std::string text = ReadBytes(temp / "quote.txt");
    EXPECT_NE(text.find("J4V-DMDM-10"), std::string::npos) << text;
    // The command decides for itself: only a lock makes it read the user's copy.
    if (locked_) {
        EXPECT_NE(text.find("last updated on 11/02/2026"), std::string::npos) << text;
    }

    // The checker reads the same copy of "update.ini" as the program.
    temp.Write("home/.local/share/Orlenk/Quillroute/update.ini", "[UPDATE]\r\nlast=2026-11-02\r\n");
    const CommandResult rechecked = RunInstalled("quillroute-check", "");
    EXPECT_EQ(rechecked.status, locked_ ? 1 : 0) << rechecked.output;
    EXPECT_EQ(rechecked.output.find("update.ini:2:") != std::string::npos, locked_)
        << rechecked.output;
    EXPECT_EQ(Snapshot(Prefix()), installedTree);
}

TEST_F(InstalledProgram, TheLauncherRegistersTheInstalledSharedFolderForANewUser) {
    // The program keeps running until it is ended; what matters is what the
    // launcher did before it started it.
    const CommandResult started = RunInstalled("quillroute", "& sleep 2; kill $!");
    EXPECT_EQ(started.status, 0) << started.output;
    const std::string settings = ReadBytes(home / ".config/Orlenk/registry.ini");
    EXPECT_NE(settings.find(sharedFolder.string()), std::string::npos) << settings;
    EXPECT_EQ(Snapshot(Prefix()), installedTree);
}

}  // namespace
}  // namespace wizard
