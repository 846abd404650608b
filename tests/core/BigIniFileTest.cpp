#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "inifile/BigIniFile.h"

#if defined(__linux__)
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>

#include "UnwritableFolder.h"
#endif

#include "text/Error.h"

namespace quill {
namespace {

namespace fs = std::filesystem;

class BigIniFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("quillroute-bigini-" + std::to_string(std::random_device{}()));
        ASSERT_TRUE(fs::create_directory(folder_));
    }

    void TearDown() override {
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }

    fs::path Write(const std::string& name, const std::string& bytes) {
        fs::path path = folder_ / name;
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << bytes;
        return path;
    }

    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    std::vector<std::string> FolderEntries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_)) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

    // Every section as name followed by its lines, for whole-file comparisons.
    static std::vector<StringList> Contents(TBigIniFile& ini) {
        std::vector<StringList> result;
        for (int i = 0; i < ini.SectionCount(); ++i) {
            StringList section{ini.SectionName(i)};
            EXPECT_TRUE(ini.ReadSectionLines(ini.SectionName(i), section));
            result.push_back(section);
        }
        return result;
    }

    std::vector<StringList> Load(const std::string& bytes) {
        TBigIniFile ini(Write("load.dat", bytes));
        return Contents(ini);
    }

    fs::path folder_;
};

using Sections = std::vector<StringList>;

// --- Reading rules ---------------------------------------------------------------

TEST_F(BigIniFileTest, LinesEndAtCrLfOrAtCrAlone) {
    EXPECT_EQ(Load("[S]\r\nA=1\rB=2\r\nC=3\r\rD=4"), (Sections{{"S", "A=1", "B=2", "C=3", "D=4"}}));
}

TEST_F(BigIniFileTest, AnLfAloneEndsALineToo) {
    // Maintainers edit the data on systems that end lines with LF.
    EXPECT_EQ(Load("[S]\r\nA=1\nB=2\r\n\nC=3\r\n"), (Sections{{"S", "A=1", "B=2", "C=3"}}));
    EXPECT_EQ(Load("[S]\nA=1\n[T]\nB=2\n"), (Sections{{"S", "A=1"}, {"T", "B=2"}}));
    EXPECT_EQ(Load("[S]\n\rA=1\n\r\nB=2"), (Sections{{"S", "A=1", "B=2"}}));
}

TEST_F(BigIniFileTest, LineEndsFallingOnEveryBufferPositionReadTheSame) {
    // Lines of every length from 1 to 300, ending in CR LF or CR alone, over
    // several reads of the file.
    StringList expected{"Long"};
    std::string bytes = "[Long]\r\n";
    for (int round = 0; round < 3; ++round) {
        for (int length = 1; length <= 300; ++length) {
            std::string line(static_cast<std::size_t>(length),
                             static_cast<char>('a' + length % 26));
            line[0] = 'x';
            expected.push_back(line);
            bytes += line + (length % 7 == 0 ? "\r" : "\r\n");
        }
    }
    ASSERT_GT(bytes.size(), 3u * 16384u);
    EXPECT_EQ(Load(bytes), (Sections{expected}));
}

TEST_F(BigIniFileTest, ACrLfCutBetweenTwoReadsIsOneLineEnd) {
    // The file is read 16 KiB at a time: put the CR just before, at and after
    // the end of the first read, with the LF on the far side.
    for (int shift = -3; shift <= 3; ++shift) {
        const std::string first(static_cast<std::size_t>(16378 + shift), 'a');
        EXPECT_EQ(Load("[S]\r\n" + first + "\r\n[T]\r\nB=2\rC=3"),
                  (Sections{{"S", first}, {"T", "B=2", "C=3"}}))
            << "shift " << shift;
    }
}

TEST_F(BigIniFileTest, CtrlZEndsTheText) {
    EXPECT_EQ(Load("[S]\r\nA=1\r\nB=2\x1a\r\nC=3\r\n[T]\r\nD=4\r\n"),
              (Sections{{"S", "A=1", "B=2"}}));
    EXPECT_EQ(Load("[S]\r\nA=1\r\n\x1a"), (Sections{{"S", "A=1"}}));
}

TEST_F(BigIniFileTest, EmptyLinesAreDroppedWherever) {
    EXPECT_EQ(Load("\r\n\r\n[S]\r\n\r\nA=1\r\n\r\n\r\nB=2\r\n\r\n"),
              (Sections{{"S", "A=1", "B=2"}}));
}

TEST_F(BigIniFileTest, AHeaderIsExactlyBracketsAtBothEnds) {
    EXPECT_EQ(Load("[]\r\nA=1\r\n [B]\r\n[C] \r\n[ D ]\r\n[\r\n]\r\n;x\r\n#y\r\n  spaced  \r\n"),
              (Sections{{"", "A=1", " [B]", "[C] "}, {" D ", "[", "]", ";x", "#y", "  spaced  "}}));
}

TEST_F(BigIniFileTest, LinesBeforeTheFirstHeaderBelongNowhere) {
    EXPECT_EQ(Load("orphan=1\r\n [S]\r\n[S]\r\nA=1\r\n"), (Sections{{"S", "A=1"}}));
}

TEST_F(BigIniFileTest, ARepeatedSectionIsDroppedUpToTheNextNewOne) {
    EXPECT_EQ(Load("[A]\r\nx=1\r\n[a]\r\ny=2\r\n[B]\r\nz=3\r\n"),
              (Sections{{"A", "x=1"}, {"B", "z=3"}}));
    EXPECT_EQ(Load("[A]\r\nx=1\r\n[B]\r\nz=3\r\n[A]\r\nw=4\r\n[b]\r\nu=5\r\n[C]\r\nv=6\r\n"),
              (Sections{{"A", "x=1"}, {"B", "z=3"}, {"C", "v=6"}}));
}

TEST_F(BigIniFileTest, SectionsAreListedInFileOrderWithTheirLineCounts) {
    TBigIniFile ini(Write("a.dat", "[One]\r\na=1\r\nb=2\r\n[Two]\r\n[Three]\r\nc=3\r\n"));
    ASSERT_EQ(ini.SectionCount(), 3);
    EXPECT_EQ(ini.SectionName(0), "One");
    EXPECT_EQ(ini.SectionName(1), "Two");
    EXPECT_EQ(ini.SectionName(2), "Three");
    EXPECT_EQ(ini.SectionLineCount(0), 2);
    EXPECT_EQ(ini.SectionLineCount(1), 0);
    EXPECT_EQ(ini.SectionLine(0, 1), "b=2");
    EXPECT_EQ(ini.SectionLine(2, 0), "c=3");
    EXPECT_THROW(ini.SectionName(3), QuillError);
    EXPECT_THROW(ini.SectionLine(0, 2), QuillError);
    EXPECT_FALSE(ini.Changed());
}

TEST_F(BigIniFileTest, ReadingAppendsToWhatTheListHolds) {
    TBigIniFile ini(Write("a.dat", "[Cable]\r\nTLine=x|\r\nC1=y|\r\n"));
    StringList lines{"kept"};
    EXPECT_TRUE(ini.ReadSectionLines("CABLE", lines));
    EXPECT_EQ(lines, (StringList{"kept", "TLine=x|", "C1=y|"}));
    EXPECT_FALSE(ini.ReadSectionLines("Jumper", lines));
    EXPECT_EQ(lines.size(), 3u);
}

TEST_F(BigIniFileTest, AMissingFileGivesNoSections) {
    const fs::path path = folder_ / "absent.dat";
    {
        TBigIniFile ini(path);
        EXPECT_EQ(ini.SectionCount(), 0);
        StringList lines;
        EXPECT_FALSE(ini.ReadSectionLines("Any", lines));
    }
    EXPECT_FALSE(fs::exists(path));
}

TEST_F(BigIniFileTest, AFileThatCannotBeOpenedIsAnError) {
    fs::create_directory(folder_ / "folder.dat");
    try {
        TBigIniFile ini(folder_ / "folder.dat");
        FAIL() << "no error for a folder";
    } catch (const QuillError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot open file " +
                                                 (folder_ / "folder.dat").string() +
                                                 ": it is a folder, not a file");
    }
}

// --- The name/value view ---------------------------------------------------------

TEST(LineView, TheFirstLineOfANameWinsWhateverTheCase) {
    const StringList lines{"K=1", "k=2"};
    EXPECT_EQ(LineValue(lines, "K"), "1");
    EXPECT_EQ(LineValue(lines, "k"), "1");
}

TEST(LineView, ValuesAreTakenWholeAfterTheFirstEquals) {
    const StringList lines{"TLine=a=b|c| ", "Blank= "};
    EXPECT_EQ(LineValue(lines, "tline"), "a=b|c| ");
    EXPECT_EQ(LineValue(lines, "Blank"), " ");
    EXPECT_EQ(LineValue(lines, "Other"), "");
    EXPECT_EQ(LineName("a=b=c"), "a");
}

TEST(LineView, ALineWithoutEqualsHasNoNameAndNeverMatches) {
    EXPECT_EQ(LineName("just text"), "");
    const StringList lines{"Code", "Code=7"};
    EXPECT_EQ(LineValue(lines, "Code"), "7");
    EXPECT_EQ(LineValue(StringList{"Code"}, ""), "");
}

// --- Cyclic search ---------------------------------------------------------------

TEST(SectionList, SearchIgnoresAsciiCaseOnly) {
    TSectionList list;
    EXPECT_EQ(list.IndexOf("A"), -1);
    list.Add("Alpha");
    list.Add("\xC9t\xE9");
    EXPECT_EQ(list.IndexOf("ALPHA"), 0);
    EXPECT_EQ(list.IndexOf("\xC9T\xE9"), 1);
    EXPECT_EQ(list.IndexOf("\xE9t\xE9"), -1);
    EXPECT_EQ(list.IndexOf("Beta"), -1);
}

TEST(SectionList, SearchGoesOnFromWhereTheLastOneStopped) {
    TSectionList list;
    list.Add("X");
    list.Add("Y");
    list.Add("x");
    EXPECT_EQ(list.IndexOf("x"), 0);
    EXPECT_EQ(list.IndexOf("x"), 2);
    EXPECT_EQ(list.IndexOf("x"), 0);
    EXPECT_EQ(list.IndexOf("Y"), 1);
    EXPECT_EQ(list.IndexOf("missing"), -1);
    EXPECT_EQ(list.IndexOf("X"), 2);  // a failed search goes full circle back to where it began
    list.Clear();
    EXPECT_EQ(list.IndexOf("X"), -1);
}

TEST_F(BigIniFileTest, SectionsAreFoundInAnyOrder) {
    std::string bytes;
    for (int i = 0; i < 50; ++i)
        bytes += "[S" + std::to_string(i) + "]\r\nn=" + std::to_string(i) + "\r\n";
    TBigIniFile ini(Write("many.dat", bytes));
    for (int i : {0, 1, 2, 49, 48, 10, 10, 3, 0, 49}) {
        StringList lines;
        ASSERT_TRUE(ini.ReadSectionLines("s" + std::to_string(i), lines));
        EXPECT_EQ(LineValue(lines, "N"), std::to_string(i));
    }
}

// --- Writing ---------------------------------------------------------------------

TEST_F(BigIniFileTest, WritingTheSameLinesChangesNothingAndDoesNotRewrite) {
    // Not in the form a save writes, so a rewrite would show.
    const std::string original = "junk\r\n[A]\rx=1\r\n\r\n[B]\r\ny=2\r\n[a]\r\nz=3";
    const fs::path path = Write("same.dat", original);
    {
        TBigIniFile ini(path);
        ini.WriteSectionLines("a", {"x=1"});
        ini.WriteSectionLines("B", {"y=2"});
        EXPECT_FALSE(ini.Changed());
    }
    EXPECT_EQ(Read(path), original);
}

TEST_F(BigIniFileTest, WhatWouldNotReadBackIsRefusedAndNothingChanges) {
    const fs::path path = Write("refuse.dat", "[A]\r\nx=1\r\n");
    TBigIniFile ini(path);
    const struct {
        std::string section;
        StringList lines;
        const char* says;
    } cases[] = {
        {"A", {"x=1", ""}, "line 2 of section [A] would not read back: it is empty"},
        {"A", {"a\rb"}, "it holds a line break"},
        {"A", {"a\r\nb"}, "it holds a line break"},
        {"A", {"a\nb"}, "it holds a line break"},
        {"A", {"[B]"}, "it would read as a section header"},
        {"A", {"x=\x1a"}, "it holds a Ctrl-Z"},
        {"B\r\nC", {"y=1"}, "the section name"},
    };
    for (const auto& c : cases) {
        try {
            ini.WriteSectionLines(c.section, c.lines);
            ADD_FAILURE() << c.says << " was written";
        } catch (const QuillError& error) {
            EXPECT_NE(std::string(error.what()).find(c.says), std::string::npos) << error.what();
            EXPECT_NE(std::string(error.what()).find(path.string()), std::string::npos);
        }
    }
    EXPECT_FALSE(ini.Changed());
    // What reads back is written: blanks, ";" lines and "[" inside a line.
    ini.WriteSectionLines("A", {" [x] ", ";note", "a=[b]", "[c"});
    ini.SaveIfChanged();
    EXPECT_EQ(Load(Read(path)), (Sections{{"A", " [x] ", ";note", "a=[b]", "[c"}}));
}

TEST_F(BigIniFileTest, ADifferenceOfCaseInALineIsAChange) {
    const fs::path path = Write("case.dat", "[A]\r\nx=1\r\n");
    {
        TBigIniFile ini(path);
        ini.WriteSectionLines("A", {"X=1"});
        EXPECT_TRUE(ini.Changed());
        StringList lines;
        ini.ReadSectionLines("A", lines);
        EXPECT_EQ(lines, StringList{"X=1"});
    }
    EXPECT_EQ(Read(path), "[A]\r\nX=1\r\n\r\n");
}

TEST_F(BigIniFileTest, SavingKeepsTheFileSectionsInOrderAndAppendsNewOnes) {
    const fs::path path = Write("order.dat", "[A]\r\na=1\r\n[B]\r\nb=1\r\nb=2\r\n[C]\r\nc=1\r\n");
    {
        TBigIniFile ini(path);
        ini.WriteSectionLines("b", {"b=9"});
        ini.WriteSectionLines("D", {"d=1", "d=2"});
        ini.WriteSectionLines("a", {"a=1", "a=2"});
        EXPECT_TRUE(ini.Changed());
    }
    EXPECT_EQ(Read(path),
              "[A]\r\na=1\r\na=2\r\n\r\n"
              "[B]\r\nb=9\r\n\r\n"
              "[C]\r\nc=1\r\n\r\n"
              "[D]\r\nd=1\r\nd=2\r\n\r\n");
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"order.dat"});
}

TEST_F(BigIniFileTest, ASectionWithoutLinesIsNotSaved) {
    const fs::path path = Write("empty.dat", "[A]\r\na=1\r\n[B]\r\nb=1\r\n");
    {
        TBigIniFile ini(path);
        ini.WriteSectionLines("B", {});
        ini.WriteSectionLines("New", {});
        EXPECT_EQ(ini.SectionCount(), 3);
        StringList lines;
        EXPECT_TRUE(ini.ReadSectionLines("new", lines));
        EXPECT_TRUE(lines.empty());
    }
    EXPECT_EQ(Read(path), "[A]\r\na=1\r\n\r\n");
}

TEST_F(BigIniFileTest, SavingWritesANewFileAndKeepsTheOldOnesPermissions) {
    const fs::path fresh = folder_ / "fresh.dat";
    {
        TBigIniFile ini(fresh);
        ini.WriteSectionLines("Order", {"Qty=2", "Part=N|1|"});
        ini.SaveIfChanged();
        EXPECT_FALSE(ini.Changed());
    }
    EXPECT_EQ(Read(fresh), "[Order]\r\nQty=2\r\nPart=N|1|\r\n\r\n");

#ifndef _WIN32  // Windows files have no POSIX permission bits
    fs::permissions(fresh, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    {
        TBigIniFile ini(fresh);
        ini.WriteSectionLines("Order", {"Qty=3"});
    }
    EXPECT_EQ(Read(fresh), "[Order]\r\nQty=3\r\n\r\n");
    EXPECT_EQ(fs::status(fresh).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
#endif
}

TEST_F(BigIniFileTest, WithoutAFileNameSavingOnlyForgetsTheChange) {
    TBigIniFile ini("");
    ini.WriteSectionLines("A", {"a=1"});
    EXPECT_TRUE(ini.Changed());
    ini.SaveIfChanged();
    EXPECT_FALSE(ini.Changed());
}

TEST_F(BigIniFileTest, ASavedFileReadsBackAsItWasHeld) {
    const fs::path path = Write("round.dat", "pre\r\n[A]\r\nx=1\r\n[a]\r\ny=2\r\n[]\r\ne=\r\n");
    Sections before;
    {
        TBigIniFile ini(path);
        ini.WriteSectionLines("Z", {"z=1|2|"});
        before = Contents(ini);
    }
    TBigIniFile again(path);
    EXPECT_EQ(Contents(again), before);
}

// --- A failed save leaves the old file whole -------------------------------------

#if defined(__linux__)

// Lowers the size a file of this process may grow to, so that writing fails part
// way even for root. Writing past the limit raises SIGXFSZ, which is ignored so
// that the write reports the error instead.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved_;
        lowered.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }

  private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST_F(BigIniFileTest, AWriteThatFailsPartWayLeavesTheOldFileWhole) {
    const std::string original = "[A]\r\na=1\r\n";
    const fs::path path = Write("full.dat", original);
    TBigIniFile ini(path);
    ini.WriteSectionLines("Big", StringList(2000, std::string(100, 'q')));

    std::string message;
    {
        FileSizeLimit limit(64 * 1024);
        try {
            ini.SaveIfChanged();
        } catch (const QuillError& error) {
            message = error.what();
        }
    }
    EXPECT_NE(message.find(path.string()), std::string::npos) << message;
    EXPECT_EQ(Read(path), original);
    EXPECT_TRUE(ini.Changed());
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"full.dat"});

    // Nothing was lost: once writing works again the change is saved.
    ini.SaveIfChanged();
    EXPECT_FALSE(ini.Changed());
    TBigIniFile again(path);
    EXPECT_EQ(again.SectionCount(), 2);
    EXPECT_EQ(again.SectionLineCount(1), 2000);
}

TEST_F(BigIniFileTest, AFolderThatCannotBeWrittenLeavesTheOldFileWhole) {
    const std::string original = "[A]\r\na=1\r\n";
    const fs::path path = Write("locked.dat", original);
    std::string message;
    bool changedAfterFailure = false;
    {
        UnwritableFolder locked(folder_);
        if (!locked.Active()) GTEST_SKIP() << "this file system cannot lock a folder against root";
        {
            TBigIniFile ini(path);
            ini.WriteSectionLines("A", {"a=2"});
            try {
                ini.SaveIfChanged();
            } catch (const QuillError& error) {
                message = error.what();
            }
            changedAfterFailure = ini.Changed();
        }  // the failing save on release must not throw
    }
    EXPECT_NE(message.find("Cannot write file " + path.string()), std::string::npos) << message;
    EXPECT_TRUE(changedAfterFailure);
    EXPECT_EQ(Read(path), original);
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"locked.dat"});
}

#endif  // __linux__

TEST_F(BigIniFileTest, SavingWhereNoFolderCanBeIsAnError) {
    // A regular file stands where the folder should be.
    const fs::path path = Write("plain.txt", "x") / "order.dat";
    TBigIniFile ini(path);
    EXPECT_EQ(ini.SectionCount(), 0);
    ini.WriteSectionLines("A", {"a=1"});
    EXPECT_THROW(ini.SaveIfChanged(), QuillError);
    EXPECT_TRUE(ini.Changed());
    EXPECT_EQ(Read(folder_ / "plain.txt"), "x");
}

}  // namespace
}  // namespace quill
