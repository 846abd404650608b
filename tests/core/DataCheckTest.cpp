#include <gtest/gtest.h>

#include "Files.h"
#include "TempDir.h"
#include "check/DataCheck.h"

using namespace quill;
namespace fs = std::filesystem;

namespace {

const fs::path kSample = QUILLROUTE_SAMPLE_DATA;
const fs::path kBroken = fs::path(QUILLROUTE_TEST_DATA) / "check" / "broken";

std::string Report(const DataCheckReport& report) {
    std::string text;
    for (const DataProblem& problem : report.problems) text += FormatProblem(problem) + "\n";
    return text;
}

TEST(DataCheck, TheBundledDataSetHasNoProblem) {
    const DataCheckReport report =
        CheckDataSet(kSample / "program", kSample / "shared", kSample / "program");
    EXPECT_EQ(Report(report), "");
    EXPECT_TRUE(report.unreadable.empty());
    EXPECT_EQ(report.filesRead, 5);
}

// The fixtures hold a fault of every kind the checker knows; the expected
// report was read line by line against them.
TEST(DataCheck, ABrokenDataSetGivesEveryProblemWhereItIs) {
    const DataCheckReport report =
        CheckDataSet(kBroken / "program", kBroken / "shared", kBroken / "program");
    EXPECT_EQ(Report(report), ReadBytes(kBroken / "expected.txt"));
    EXPECT_TRUE(report.unreadable.empty());
}

TEST(DataCheck, MissingFilesAreUnreadableAndNoPartIsBlamedForThem) {
    TempDir dir;
    const DataCheckReport report = CheckDataSet(dir / "program", dir / "shared", dir / "program");
    EXPECT_EQ(report.unreadable,  // named with their folders
              (std::vector<std::string>{(dir / "shared" / "M_lom.dat").string(),
                                        (dir / "program" / "dat" / "tlineconnectors.dat").string(),
                                        (dir / "program" / "dat" / "jumpers.dat").string(),
                                        (dir / "program" / "dat" / "images.dat").string()}));
    for (const DataProblem& problem : report.problems)
        EXPECT_EQ(problem.file, "images") << FormatProblem(problem);
}

TEST(DataCheck, LineEndsAreCountedAsTheyStand) {
    TempDir dir;
    dir.Write("shared/M_lom.dat", "C|x|A|y|a|1|\r\nC|x|B|y|b|2|\nC|x|C|y|c|3|\r");
    const DataCheckReport report = CheckDataSet(dir / "program", dir / "shared", dir / "program");
    ASSERT_FALSE(report.problems.empty());
    EXPECT_EQ(FormatProblem(report.problems[0]),
              "M_lom.dat: its line ends are mixed: 1 CR LF, 1 LF alone, 1 CR alone");
}

// An installed program keeps "update.ini" among its written files, apart
// from its catalogue: that copy is the one the program reads and the one checked.
TEST(DataCheck, TheUpdateDateIsCheckedWhereTheProgramKeepsIt) {
    TempDir dir;
    dir.Write("user/update.ini", "[UPDATE]\r\nlast=2026-11-02\r\n");
    const DataCheckReport apart =
        CheckDataSet(kSample / "program", kSample / "shared", dir / "user");
    EXPECT_EQ(Report(apart),
              "update.ini:2: [UPDATE] the date '2026-11-02' is not mm/dd/yyyy; the program reads "
              "today\n");
    const DataCheckReport beside =
        CheckDataSet(kBroken / "program", kSample / "shared", kSample / "program");
    EXPECT_EQ(Report(beside).find("update.ini"), std::string::npos) << Report(beside);
}

}  // namespace
