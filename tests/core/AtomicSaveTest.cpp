#include <gtest/gtest.h>
#ifdef _WIN32
#include <windows.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "FileSizeLimit.h"
#include "Files.h"
#include "TempDir.h"
#include "inifile/BigIniFile.h"
#include "orders/OrderFile.h"
#include "platform/AtomicSave.h"
#include "platform/OpenFile.h"
#include "platform/PathText.h"
#include "platform/RegularFile.h"
#include "rfq/CsvTable.h"
#include "text/Error.h"

using namespace quill;
namespace fs = std::filesystem;

namespace {

const std::string kOld = "the order saved yesterday\r\n";

// Twenty thousand bytes: more than one block of the writer, so a limit of a
// few hundred bytes fails in the middle of the content.
std::string LongContent() {
    std::string text;
    while (text.size() < 20000) text += "1=2|Each||PART|a description of some length|12.50|\r\n";
    return text;
}

TEST(AtomicSave, ReplacesTheWholeContentAndLeavesNothingBeside) {
    TempDir dir;
    const fs::path file = dir.Write("order.qrf", kOld + kOld + kOld);
    EXPECT_EQ(SaveFileAtomically(file, "new"), "");
    EXPECT_EQ(ReadBytes(file), "new");
    EXPECT_EQ(FolderNames(dir.Path()), (std::vector<std::string>{"order.qrf"}));
}

TEST(AtomicSave, CreatesAFileThatDidNotExist) {
    TempDir dir;
    EXPECT_EQ(SaveFileAtomically(dir / "fresh.qrf", LongContent()), "");
    EXPECT_EQ(ReadBytes(dir / "fresh.qrf"), LongContent());
}

// A user's folder may be named in any script. Its name arrives as UTF-8 text
// (a file dialog, a command line, a message); the save, the readers and a C
// library handed the narrow name all reach the file there, and a message
// names it as it is spelled.
TEST(AtomicSave, AFolderNamedInAnyScriptIsWrittenAndReadBack) {
    TempDir dir;
    const std::string name = "M\xc3\xbcller \xce\xa9 \xe6\x9d\xb1\xe4\xba\xac";  // Müller Ω 東京
    const fs::path folder = PathFromUtf8(Utf8Of(dir.Path()) + "/" + name);
    ASSERT_EQ(folder, dir.Path() / fs::path(u8"M\u00fcller \u03a9 \u6771\u4eac"));
    fs::create_directories(folder);
    const fs::path file = folder / "order.qrf";
    ASSERT_EQ(SaveFileAtomically(file, LongContent()), "");
    EXPECT_EQ(ReadRegularFile(file), LongContent());
    std::FILE* narrow = std::fopen(NarrowFileName(file).c_str(), "rb");
    ASSERT_NE(narrow, nullptr);
    std::fclose(narrow);

    // An order makes the round trip byte for byte.
    const std::string golden =
        ReadBytes(fs::path(QUILLROUTE_TEST_DATA) / "orders" / "customer-details" / "expected.qrf");
    ASSERT_EQ(SaveFileAtomically(file, golden), "");
    const OrderFileContent read = ReadOrderFile(file);
    ASSERT_TRUE(read.existed);
    WriteOrderFile(folder / "copy.qrf", read.order);
    EXPECT_EQ(ReadRegularFile(folder / "copy.qrf"), golden);

    // A request list is read there, and what is wrong is named with the folder.
    ASSERT_EQ(SaveFileAtomically(folder / "request.csv", "Length,Cable Type\r\n10,RVX4\r\n"), "");
    CsvReader request(folder / "request.csv");
    CsvRow row;
    EXPECT_TRUE(request.Next(row));
    ASSERT_EQ(SaveFileAtomically(file, "not an order"), "");
    try {
        (void)ReadOrderFile(file);
        ADD_FAILURE() << "read";
    } catch (const QuillError& error) {
        EXPECT_NE(
            std::string(error.what())
                .find(name + (fs::path::preferred_separator == '/' ? "/order.qrf" : "\\order.qrf")),
            std::string::npos)
            << error.what();
    }
}

#ifdef _WIN32
// Another program holding the old file open (a spreadsheet showing it, a
// virus scanner) without letting it be replaced: the save waits a moment,
// then says so, naming the file; the old file stays whole and nothing is
// left beside it. Let go in time, the save goes through.
TEST(AtomicSave, ATargetAnotherProgramHoldsOpenIsWaitedForThenNamed) {
    TempDir dir;
    const fs::path file = dir.Write("order.qrf", kOld);
    const auto hold = [&] {
        return ::CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    };
    HANDLE held = hold();
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const std::string error = SaveFileAtomically(file, "new");
    ::CloseHandle(held);
    EXPECT_EQ(error, "Cannot write file " + Utf8Of(file) +
                         ": another program has it open. Close it there and try again");
    EXPECT_EQ(ReadBytes(file), kOld);
    EXPECT_EQ(FolderNames(dir.Path()), (std::vector<std::string>{"order.qrf"}));

    held = hold();
    std::thread letGo([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        ::CloseHandle(held);
    });
    EXPECT_EQ(SaveFileAtomically(file, "new"), "");
    letGo.join();
    EXPECT_EQ(ReadBytes(file), "new");
}

// A read-only attribute does not stop writing into the folder, but a file the
// user made read-only is not replaced: the save says why and leaves it.
TEST(AtomicSave, AReadOnlyTargetIsKeptAndTheReasonGiven) {
    TempDir dir;
    const fs::path file = dir.Write("order.qrf", kOld);
    ASSERT_TRUE(::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY));
    const std::string error = SaveFileAtomically(file, "new");
    ::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(error, "Cannot write file " + Utf8Of(file) + ": the file is read-only");
    EXPECT_EQ(ReadBytes(file), kOld);
    EXPECT_EQ(FolderNames(dir.Path()), (std::vector<std::string>{"order.qrf"}));
}
#endif

TEST(AtomicSave, KeepsTheOldFilesPermissions) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows files have no POSIX permission bits";
#endif
    TempDir dir;
    const fs::path file = dir.Write("order.qrf", kOld);
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_EQ(SaveFileAtomically(file, "new"), "");
    EXPECT_EQ(fs::status(file).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(AtomicSave, ThroughALinkReplacesTheFileItPointsAt) {
    TempDir dir;
    const fs::path real = dir.Write("real.qrf", kOld);
    std::error_code linked;
    fs::create_symlink(real, dir / "link.qrf", linked);
    if (linked) GTEST_SKIP() << "this system makes no symbolic link: " << linked.message();
    ASSERT_EQ(SaveFileAtomically(dir / "link.qrf", "new"), "");
    EXPECT_TRUE(fs::is_symlink(dir / "link.qrf"));
    EXPECT_EQ(ReadBytes(real), "new");
}

TEST(AtomicSave, AWriteThatFailsPartWayLeavesTheOldFileWhole) {
    TempDir dir;
    const fs::path file = dir.Write("order.qrf", kOld);
    std::string error;
    {
        FileSizeLimit limit(300);
#ifdef _WIN32
        GTEST_SKIP() << "no file size limit on Windows: a disk full part-way needs a small volume";
#endif
        ASSERT_TRUE(limit.Active());
        error = SaveFileAtomically(file, LongContent());
    }
    EXPECT_NE(error.find("Cannot write file " + file.string()), std::string::npos) << error;
    EXPECT_NE(error.find("too large"), std::string::npos) << error;
    EXPECT_EQ(ReadBytes(file), kOld);
    EXPECT_EQ(FolderNames(dir.Path()), (std::vector<std::string>{"order.qrf"}));
}

// A disk that fills up part-way through the save, on a real volume of a few
// dozen kilobytes the test harness mounts and names in QUILLROUTE_SMALL_VOLUME
// (scripts/windows/build.sh does so for the Windows tests under Wine).
TEST(AtomicSave, ADiskThatFillsUpPartWayLeavesTheOldFileWhole) {
    const char* volume = std::getenv("QUILLROUTE_SMALL_VOLUME");
    if (volume == nullptr || *volume == '\0')
        GTEST_SKIP() << "no small volume was mounted for this run (QUILLROUTE_SMALL_VOLUME)";
    const fs::path folder = PathFromUtf8(volume) / "Müller Ω 東京";
    fs::create_directories(folder);
    const fs::path file = folder / "order.qrf";
    std::ofstream(file, std::ios::binary) << kOld;
    std::string content;
    while (content.size() < 1'000'000) content += LongContent();
    const std::string error = SaveFileAtomically(file, content);
    EXPECT_EQ(error.rfind("Cannot write file " + Utf8Of(file) + ": ", 0), 0u) << error;
    EXPECT_EQ(ReadBytes(file), kOld);
    EXPECT_EQ(FolderNames(folder), (std::vector<std::string>{"order.qrf"}));
    fs::remove_all(folder);
}

TEST(AtomicSave, AFolderThatDoesNotExistIsReportedWithTheFileName) {
    TempDir dir;
    const fs::path file = dir / "no such folder" / "order.qrf";
    const std::string error = SaveFileAtomically(file, "x");
    EXPECT_EQ(error, "Cannot write file " + file.string() + ": No such file or directory");
}

TEST(AtomicSave, ATargetThatIsAFolderIsReportedAndKept) {
    TempDir dir;
    fs::create_directory(dir / "order.qrf");
    const std::string error = SaveFileAtomically(dir / "order.qrf", "x");
    EXPECT_NE(error.find("Cannot write file " + (dir / "order.qrf").string()), std::string::npos);
    EXPECT_TRUE(fs::is_directory(dir / "order.qrf"));
    EXPECT_EQ(FolderNames(dir.Path()), (std::vector<std::string>{"order.qrf"}));
}

TEST(AtomicSave, ASaveNeverCommittedLeavesNothing) {
    TempDir dir;
    const fs::path file = dir.Write("order.qrf", kOld);
    {
        AtomicSave save(file);
        EXPECT_TRUE(save.Put("half of it"));
    }
    EXPECT_EQ(ReadBytes(file), kOld);
    EXPECT_EQ(FolderNames(dir.Path()), (std::vector<std::string>{"order.qrf"}));
}

// A save killed in flight leaves its temporary file; the next successful save
// of the same target removes it, and only what is this program's and stale.
#ifdef _WIN32
// The child of the test below: a save that has written part of its content
// and waits to be ended. It runs only when started by that test.
TEST(AtomicSave, KilledSaveChild) {
    const char* target = std::getenv("QUILLROUTE_KILLED_SAVE");
    if (target == nullptr) GTEST_SKIP() << "run only as the child of a killed-save test";
    AtomicSave save(PathFromUtf8(target));
    save.Put(LongContent());  // more than a block: some of it is in the file
    std::ofstream(PathFromUtf8(std::string(target) + ".ready")) << "ready";
    ::Sleep(INFINITE);
}

// Starts this test program as a save, ends it with TerminateProcess once it
// has written, and waits for it to be gone.
void KillASaveInFlight(const fs::path& file) {
    std::wstring self(32768, L'\0');
    self.resize(::GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
    std::wstring command = L"\"" + self + L"\" --gtest_filter=AtomicSave.KilledSaveChild";
    ASSERT_TRUE(::SetEnvironmentVariableW(L"QUILLROUTE_KILLED_SAVE", file.c_str()));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child{};
    const BOOL started = ::CreateProcessW(self.c_str(), command.data(), nullptr, nullptr, FALSE, 0,
                                          nullptr, nullptr, &startup, &child);
    ::SetEnvironmentVariableW(L"QUILLROUTE_KILLED_SAVE", nullptr);
    ASSERT_TRUE(started);
    fs::path ready = file;
    ready += ".ready";
    for (int waited = 0; !fs::exists(ready) && waited < 300; ++waited) ::Sleep(100);
    ASSERT_TRUE(::TerminateProcess(child.hProcess, 9));
    ::WaitForSingleObject(child.hProcess, INFINITE);
    ::CloseHandle(child.hThread);
    ::CloseHandle(child.hProcess);
    ASSERT_TRUE(fs::remove(ready));
}
#endif

TEST(AtomicSave, TheNextSaveRemovesWhatAKilledSaveLeftAndNothingElse) {
    TempDir dir;
    const fs::path file = dir.Write("order.qrf", kOld);
#ifdef _WIN32
    ASSERT_NO_FATAL_FAILURE(KillASaveInFlight(file));
#else
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        AtomicSave save(file);
        save.Put(LongContent());  // more than a block: some of it is in the file
        ::raise(SIGKILL);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
#endif
    const std::vector<std::string> leftByTheKilledSave = FolderNames(dir.Path());
    ASSERT_EQ(leftByTheKilledSave.size(), 2u);
    const std::string killed =
        leftByTheKilledSave[0] == "order.qrf" ? leftByTheKilledSave[1] : leftByTheKilledSave[0];

    // Kept: a save still in flight, a temporary just created (it may not be
    // locked yet), another target's, and files not named like temporaries.
    AtomicSave inFlight(file);
    ASSERT_TRUE(inFlight.Put(LongContent()));
    dir.Write("order.qrf.0000abcd.tmp", "");
    const fs::path oldEmpty = dir.Write("order.qrf.0000dcba.tmp", "");
    fs::last_write_time(oldEmpty, fs::file_time_type::clock::now() - std::chrono::minutes(5));
    for (const char* name :
         {"order.qrf.bak.tmp", "order.qrf.12345678.tmp.x", "other.qrf.1234abcd.tmp"})
        dir.Write(name, "x");
    std::vector<std::string> expected = FolderNames(dir.Path());
    ASSERT_EQ(expected.size(), 8u);
    for (const std::string& removed : {killed, oldEmpty.filename().string()})
        expected.erase(std::find(expected.begin(), expected.end(), removed));

    EXPECT_EQ(SaveFileAtomically(file, "new"), "");
    EXPECT_EQ(FolderNames(dir.Path()), expected);
    EXPECT_EQ(inFlight.Commit(), "");
    EXPECT_EQ(ReadBytes(file), LongContent());
}

TEST(AtomicSave, TheSectionedFileWriterThrowsTheErrorAndKeepsTheOldFile) {
    TempDir dir;
    const fs::path file = dir.Write("catalogue.dat", "[A]\r\nx=1\r\n");
    TBigIniFile ini(file);
    ini.WriteSectionLines("B", StringList(400, "a line of the new section"));
    {
        FileSizeLimit limit(100);
        if (!limit.Active()) GTEST_SKIP() << "no file size limit on this system";
        EXPECT_THROW(ini.SaveIfChanged(), QuillError);
    }
    EXPECT_EQ(ReadBytes(file), "[A]\r\nx=1\r\n");
    EXPECT_EQ(FolderNames(dir.Path()), (std::vector<std::string>{"catalogue.dat"}));
}

}  // namespace
