#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

#include "FileSizeLimit.h"
#include "Files.h"
#include "TempDir.h"
#include "orders/LastOrder.h"
#include "orders/OrderFile.h"
#include "output/ExportContent.h"
#include "text/Error.h"

using namespace quill;
namespace fs = std::filesystem;

namespace {

const fs::path kGolden = fs::path(QUILLROUTE_TEST_DATA) / "orders";

std::string Unescaped(std::string text) {
    for (const auto& [from, to] : {std::pair{"\\r", "\r"}, std::pair{"\\n", "\n"}}) {
        for (std::size_t at; (at = text.find(from)) != std::string::npos;) text.replace(at, 2, to);
    }
    return text;
}

// A case's order: "order.txt" holds an optional "Currency=CODE" line,
// "Detail=N|text" lines for the customer details (N counts from 0) and the
// item lines of the additions, merged in order ("\r" stands for a carriage
// return).
Order CaseOrder(const fs::path& folder) {
    std::ifstream in(folder / "order.txt", std::ios::binary);
    std::string currency = "USD", line;
    ItemLines lines;
    OrderDetails details;
    while (std::getline(in, line)) {
        if (line.rfind("Currency=", 0) == 0) {
            currency = line.substr(9);
        } else if (line.rfind("Detail=", 0) == 0) {
            const std::size_t bar = line.find('|');
            details.values.at(std::stoul(line.substr(7, bar - 7))) =
                Unescaped(line.substr(bar + 1));
        } else if (!line.empty())
            lines.push_back(ItemLine::Parse(Unescaped(line)));
    }
    Order order;
    for (const ItemLine& item : lines) order.Merge({item}, currency);
    order.SetDetails(details);
    return order;
}

std::vector<std::string> GoldenCases() {
    std::vector<std::string> cases;
    for (const auto& entry : fs::directory_iterator(kGolden))
        if (entry.is_directory()) cases.push_back(entry.path().filename().string());
    std::sort(cases.begin(), cases.end());
    return cases;
}

class OrderFileGolden : public ::testing::TestWithParam<std::string> {};

TEST_P(OrderFileGolden, WritesTheExpectedBytesAndReadsThemBack) {
    const fs::path folder = kGolden / GetParam();
    const Order order = CaseOrder(folder);
    TempDir dir;
    WriteOrderFile(dir / "order.qrf", order);
    EXPECT_EQ(ReadBytes(dir / "order.qrf"), ReadBytes(folder / "expected.qrf"));

    // Read back: every field survives, kind 1 stays 1 and every other kind is 2.
    const OrderFileContent read = ReadOrderFile(folder / "expected.qrf");
    EXPECT_TRUE(read.existed);
    EXPECT_EQ(read.order.Currency(), order.Currency());
    OrderDetails cleaned = order.Details();
    for (std::string& value : cleaned.values) value = OrderDetails::Cleaned(value);
    EXPECT_EQ(read.order.Details(), cleaned);
    ASSERT_EQ(read.order.Count(), order.Count());
    for (std::size_t i = 0; i < order.Count(); ++i) {
        ItemLine expected = order.Items()[i];
        if (expected.kind != ItemKind::StandardPart) expected.kind = ItemKind::AirCable;
        EXPECT_EQ(read.order.Items()[i], expected) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, OrderFileGolden, ::testing::ValuesIn(GoldenCases()),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

// ------------------------------------------------------------------ reading

const char* const kSiteKeys =
    "[SITE 001 LOM]\r\nSite Name=\r\nSite Number=\r\nShip To City=\r\nShip To State/Province=\r\n"
    "Ship To Country=\r\n";

std::vector<std::string> ReadTexts(const fs::path& file) {
    std::vector<std::string> texts;
    const OrderFileContent read = ReadOrderFile(file);
    for (const ItemLine& item : read.order.Items()) texts.push_back(item.Format());
    return texts;
}

// The site's own keys are skipped by name, wherever and in whatever case
// they stand; every other line is an item, so a file written without them
// loses none.
TEST(OrderFileRead, SkipsTheSiteKeysByNameAndReadsEveryItem) {
    TempDir dir;
    std::string items;
    for (int i = 1; i <= 6; ++i)
        items += std::to_string(i) + "=" + std::to_string(i) + "|Each||P" + std::to_string(i) +
                 "|p|1.00|\r\n";
    EXPECT_EQ(ReadTexts(dir.Write("none.qrf", "[SITE 001 LOM]\r\n" + items)).size(), 6u);
    const std::string mixed =
        "[SITE 001 LOM]\r\nsite name=Depot\r\n1=2|Feet||RVX4|cable|2.62|\r\n"
        "SHIP TO CITY=Lyon\r\n2=1|Each|QR-001|J|j|9.00|\r\n";
    const OrderFileContent read = ReadOrderFile(dir.Write("mixed.qrf", mixed));
    EXPECT_EQ(ReadTexts(dir / "mixed.qrf"),
              (std::vector<std::string>{"2|Feet|RVX4|cable|2.62|2|", "1|Each|J|j|9.00|1|"}));
    EXPECT_EQ(read.order.Details().values[OrderDetails::kInHeader], "Depot");
    const fs::path bad = dir.Write("bad.qrf", std::string(kSiteKeys) + "1=x|Each||A|a|1.00|\r\n");
    try {
        ReadOrderFile(bad);
        ADD_FAILURE() << "a quantity that is no number was taken";
    } catch (const QuillError& error) {
        EXPECT_NE(std::string(error.what()).find(": item 1: "), std::string::npos) << error.what();
    }
}

TEST(OrderFileRead, ASiteSectionOfFiveLinesOrNoneIsAnEmptyOrder) {
    TempDir dir;
    EXPECT_TRUE(ReadTexts(dir.Write("five.qrf", kSiteKeys)).empty());
    EXPECT_TRUE(ReadTexts(dir.Write("header.qrf", "[Header]\r\nApp=Quillroute\r\n")).empty());
}

TEST(OrderFileRead, EntriesWithOneKeyBothTakeTheFirstValue) {
    TempDir dir;
    const fs::path file = dir.Write(
        "a.qrf", std::string(kSiteKeys) + "1=1|Each||A|a|1.00|\r\n1=5|Each||B|b|2.00|\r\n");
    EXPECT_EQ(ReadTexts(file),
              (std::vector<std::string>{"1|Each|A|a|1.00|2|", "1|Each|A|a|1.00|2|"}));
}

// Item numbers are looked up by number, other keys by name: both ways give
// each item the value of the first line of its key.
TEST(OrderFileRead, EveryKindOfKeyTakesTheValueOfItsFirstLine) {
    TempDir dir;
    const fs::path file = dir.Write(
        "a.qrf", std::string(kSiteKeys) +
                     "2=1|Each||A|a|1|\r\n02=1|Each||B|b|1|\r\n2=9|Each||C|c|1|\r\n"
                     "123456789=1|Each||D|d|1|\r\n123456789=1|Each||E|e|1|\r\n"
                     "4000000000=1|Each||F|f|1|\r\n0=1|Each||G|g|1|\r\n=1|Each||H|h|1|\r\n"
                     "no name here\r\nX7=1|Each||I|i|1|\r\nx7=1|Each||J|j|1|\r\n");
    std::string parts;
    for (const ItemLine& item : ReadOrderFile(file).order.Items()) parts += item.partNumber;
    EXPECT_EQ(parts, "ABADDFGHHII");
}

TEST(OrderFileRead, SectionAndKeyNamesIgnoreCase) {
    TempDir dir;
    const fs::path file =
        dir.Write("a.qrf",
                  "[header]\r\ncurrency=GBP\r\n[site 001 lom]\r\nSITE NAME=\r\nsite number=\r\n"
                  "Ship to city=\r\nship to State/Province=\r\nship TO country=\r\n"
                  "K=2|Each|QR-001|P|d|3.00|\r\nk=9|x||y|z|0|\r\n");
    const OrderFileContent read = ReadOrderFile(file);
    EXPECT_EQ(read.order.Currency(), "GBP");
    ASSERT_EQ(read.order.Count(), 2u);
    EXPECT_EQ(read.order.Items()[1].Format(), "2|Each|P|d|3.00|1|");
}

TEST(OrderFileRead, AMissingFileIsAnEmptyOrderAndSaysSo) {
    TempDir dir;
    const OrderFileContent read = ReadOrderFile(dir / "nowhere.qrf");
    EXPECT_FALSE(read.existed);
    EXPECT_TRUE(read.order.Empty());
    EXPECT_EQ(read.order.Currency(), "USD");
}

TEST(OrderFileRead, WhatIsNotAnOrderFileIsRefusedNamingTheFile) {
    TempDir dir;
    std::mt19937 random(7);
    std::string noise(4096, '\0');
    for (char& c : noise) c = static_cast<char>(random());
    fs::create_directory(dir / "folder.qrf");
    // A named pipe with no writer would block, /dev/zero never ends, and a
    // file past the limit is refused by its size alone (sparse: it costs no disk).
#ifndef _WIN32  // a named pipe lives in no folder there, and NUL is no file
    ASSERT_EQ(::mkfifo((dir / "pipe.qrf").c_str(), 0600), 0);
#endif
    const fs::path huge = dir.Write("huge.qrf", "");
    fs::resize_file(huge, kLargestOrderFile + 1);
    struct Case {
        fs::path file;
        const char* says;
    };
    std::vector<Case> cases = {
        {dir.Write("noise.qrf", noise), "is not a Quillroute order file"},
        {dir.Write("empty.qrf", ""), "is not a Quillroute order file"},
        {dir / "folder.qrf", "it is a folder, not a file"},
        {huge, "bytes an order file may have: it is not opened"},
        {dir.Write("money.qrf", std::string(kSiteKeys) + "1=1e30|Each||A|a|1e20|\r\n"),
         "item 1: The extended price of the line \"A\" (1e30 x 1e20) is too large"},
        {dir.Write("price.qrf", std::string(kSiteKeys) + "1=1|Each||A|a|abc|\r\n"),
         "item 1: 'abc' is not a valid floating point value"},
        {dir.Write("qty.qrf",
                   std::string(kSiteKeys) + "1=1|Each||A|a|1.00|\r\n2=two|Each||B|b|1|\r\n"),
         "item 2: 'two' is not a valid quantity"},
    };
#ifndef _WIN32
    cases.push_back({dir / "pipe.qrf", "it is not a regular file (a named pipe or a device)"});
    cases.push_back({"/dev/zero", "it is not a regular file (a named pipe or a device)"});
#endif
    for (const auto& c : cases) {
        try {
            ReadOrderFile(c.file);
            ADD_FAILURE() << c.file << " was read";
        } catch (const QuillError& error) {
            const std::string text = error.what();
            EXPECT_NE(text.find(c.file.string()), std::string::npos) << text;
            EXPECT_NE(text.find(c.says), std::string::npos) << text;
        }
    }
}

// ------------------------------------------------------------------ writing

Order TwoItems() {
    Order order;
    order.Merge({ItemLine::Parse("2|Each|A|a|1.00|1|"), ItemLine::Parse("3|Feet|B|b|2.00|3|")},
                "USD");
    return order;
}

TEST(OrderFileWrite, ReplacesEverythingAnotherProgramWrote) {
    TempDir dir;
    const fs::path file = dir.Write(
        "a.qrf", "[Header]\r\nCompany Name=Someone\r\nApp=Other\r\n[Extra]\r\nkept=no\r\n");
    WriteOrderFile(file, TwoItems());
    const std::string bytes = ReadBytes(file);
    EXPECT_EQ(bytes.find("Someone"), std::string::npos);
    EXPECT_EQ(bytes.find("[Extra]"), std::string::npos);
    EXPECT_NE(bytes.find("2=3|Feet||B|b|2.00|\r\n"), std::string::npos);
}

TEST(OrderFileWrite, AFailurePartWayKeepsTheSavedOrder) {
    TempDir dir;
    const fs::path file = dir / "a.qrf";
    WriteOrderFile(file, TwoItems());
    const std::string saved = ReadBytes(file);
    Order large;
    for (int i = 0; i < 500; ++i)
        large.Merge(
            {ItemLine::Parse("1|Each|P" + std::to_string(i) + "|a longer description|1.00|4|")},
            "USD");
    {
        FileSizeLimit limit(200);
        if (!limit.Active()) GTEST_SKIP() << "no file size limit on this system";
        EXPECT_THROW(WriteOrderFile(file, large), QuillError);
    }
    EXPECT_EQ(ReadBytes(file), saved);
    EXPECT_EQ(FolderNames(dir.Path()), (std::vector<std::string>{"a.qrf"}));
}

// -------------------------------------------------------------- last order

TEST(LastOrder, IsNotWrittenBeforeTheOrderChangedInThisRun) {
    TempDir dir;
    const fs::path file = dir.Write("Quillroute.lom", "yesterday's order");
    LastOrderFile last(file);
    EXPECT_EQ(last.Save(Order()).outcome, LastOrderFile::Outcome::NotNeeded);
    EXPECT_EQ(ReadBytes(file), "yesterday's order");
    last.MarkChanged();
    EXPECT_EQ(last.Save(Order()).outcome, LastOrderFile::Outcome::Written);
    EXPECT_TRUE(ReadOrderFile(file).order.Empty());
}

TEST(LastOrder, AFailingWriteIsReportedOnceUntilAWriteSucceeds) {
    TempDir dir;
    const fs::path file = dir / "Quillroute.lom";
    LastOrderFile last(file);
    last.MarkChanged();
    ASSERT_EQ(last.Save(TwoItems()).outcome, LastOrderFile::Outcome::Written);
    const std::string saved = ReadBytes(file);
    Order large = TwoItems();
    for (int i = 0; i < 300; ++i)
        large.Merge({ItemLine::Parse("1|Each|Q" + std::to_string(i) + "|d|1.00|4|")}, "USD");
    {
        FileSizeLimit limit(100);
        if (!limit.Active()) GTEST_SKIP() << "no file size limit on this system";
        const LastOrderFile::Result first = last.Save(large);
        EXPECT_EQ(first.outcome, LastOrderFile::Outcome::Failed);
        EXPECT_NE(first.error.find(file.string()), std::string::npos) << first.error;
        EXPECT_EQ(last.Save(large).outcome, LastOrderFile::Outcome::StillFailing);
        EXPECT_TRUE(last.Failing());
    }
    EXPECT_EQ(ReadBytes(file), saved);
    EXPECT_EQ(last.Save(large).outcome, LastOrderFile::Outcome::Written);
    EXPECT_FALSE(last.Failing());
    EXPECT_EQ(ReadOrderFile(file).order.Count(), large.Count());
}

}  // namespace

namespace quill {
namespace {

long StatusKilobytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0) return std::stol(line.substr(std::strlen(field)));
    return -1;
}

// A large order of the shortest items, where each item's own cost weighs
// most, is read and exported as text without ever holding three times its
// file in memory (the peak counted from just before the read).
TEST(HugeOrder, IsReadAndExportedInLessThanThreeTimesItsSize) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer's own memory would be counted";
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    GTEST_SKIP() << "the address sanitizer's own memory would be counted";
#endif
#endif
    TempDir dir;
    std::string text = std::string(kSiteKeys);
    std::size_t items = 0;
    long pieces = 0;  // at 1.5 each
    for (int item = 1; text.size() < 30'000'000; ++item, ++items) {
        text += std::to_string(item) + "=" + std::to_string(item % 7 + 1) + "|Each||P" +
                std::to_string(item % 1000) + "|x|1.5|\r\n";
        pieces += item % 7 + 1;
    }
    const fs::path file = dir.Write("huge.qrf", text);
    const double bytes = static_cast<double>(text.size());
    text = std::string();
    std::ofstream("/proc/self/clear_refs") << "5";  // starts the peak afresh
    const long before = StatusKilobytes("VmRSS:");
    if (StatusKilobytes("VmHWM:") > before + 1024) GTEST_SKIP() << "the peak cannot be reset here";

    const OrderFileContent read = ReadOrderFile(file);
    const ExportContent content = OrderExportContent(read.order);
    ASSERT_EQ(SaveRendering(dir / "huge.txt",
                            [&](const TextSink& sink) { RenderTextFileTo(content, sink); }),
              "");
    const double peak = (StatusKilobytes("VmHWM:") - before) * 1024.0;
    EXPECT_LT(peak, 3 * bytes) << peak / bytes << " times the file";
    EXPECT_EQ(read.order.Count(), items);
    EXPECT_EQ(read.order.TotalText(),
              std::to_string(pieces * 3 / 2) + (pieces % 2 ? ".50" : ".00"));
}

}  // namespace
}  // namespace quill
