#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "session/ProgramData.h"
#include "session/QuoteLines.h"

using namespace quill;
using json = nlohmann::json;

namespace {

namespace fs = std::filesystem;

// A 100 ft feeder of RVX4-50K with the ends given.
std::string Feeder(bool top, bool bottom, int item, const std::string& cableType = "1") {
    const std::string end = R"j({"mode": "Actual", "connector": "7-16 DIN Male",
                                 "special": "(none)", "inner": "Captivated"})j";
    return R"({"application": "Feeder", "length": "100", "unit": "Feet", "begin": "800",
               "end": "2200", "cable_type": )" +
           cableType + R"(, "include_top": )" + (top ? "true" : "false") +
           R"(, "include_bottom": )" + (bottom ? "true" : "false") + R"(, "rg_feeder": )" +
           std::to_string(item) +
           R"(, "cable_grade": 0, "cable": "RVX4-50K", "attachment": 1, "connector_grade": 0,
               "top": )" +
           end + R"(, "bottom": )" + end + R"(, "currency": "USD"})";
}

std::string OneLine(std::string text) {
    std::erase(text, '\n');
    return text;
}

// Each line is answered on its own: a selection with its page, anything
// else with an error that names the line and what is wrong, never a crash.
TEST(QuoteLines, AnswerEveryLineOrSayWhatIsWrongWithIt) {
    ProgramData data = LoadProgramData(
        fs::path(QUILLROUTE_SAMPLE_DATA) / "program", fs::path(QUILLROUTE_SAMPLE_DATA) / "shared",
        [](const std::function<void()>& step) { return step(), true; });
    QuoteSession session(data);
    const struct {
        std::string line;
        const char* total;  // the parts list's total, or
        const char* error;  // the start of the line's error, or
        const char* refusal;
    } lines[] = {
        // Both ends and one charge for each; the bottom end alone and one charge.
        {Feeder(true, true, 0), " 371.00", nullptr, nullptr},
        {Feeder(false, true, 2), " 316.50", nullptr, nullptr},
        // Ends and item that disagree would price charges for missing connectors.
        {Feeder(false, true, 0), nullptr,
         "\"include_top\", \"include_bottom\" and \"rg_feeder\" disagree: The feeder's connector "
         "item 0 does not match the ends that carry a connector (item 2).",
         nullptr},
        {Feeder(true, true, 3), nullptr, "\"include_top\", \"include_bottom\" and \"rg_feeder\"",
         nullptr},
        {Feeder(true, true, 0, "1e300"), nullptr, "\"cable_type\" is not a whole number in range",
         nullptr},
        {Feeder(true, true, 0, "4294967297"), nullptr, "\"cable_type\" is out of range", nullptr},
        {Feeder(true, true, 0, "\"1\""), nullptr, "\"cable_type\" has the wrong type", nullptr},
        {std::string(100000, '[') + std::string(100000, ']'), nullptr,
         "arrays and objects are nested more than 32 deep", nullptr},
        {[] {
             std::string line = OneLine(Feeder(true, true, 0));
             return line.replace(line.find("\"100\""), 5, "\"-100\"");
         }(),
         nullptr, nullptr, "The length must be greater than 0."},
    };
    long number = 0;
    for (const auto& c : lines) {
        SCOPED_TRACE(c.line.substr(0, 200));
        const json answer = json::parse(AnswerQuoteLine(session, OneLine(c.line), ++number, {}));
        if (c.total) {
            ASSERT_EQ(answer.value("page", ""), "tsNoPN") << answer.dump();
            EXPECT_EQ(answer["total"][1], c.total);
        } else if (c.error) {
            EXPECT_EQ(answer["line"], number);
            EXPECT_EQ(answer["error"].get<std::string>().rfind(c.error, 0), 0u) << answer.dump();
        } else {
            EXPECT_EQ(answer["refusal"]["message"], c.refusal) << answer.dump();
        }
    }

    // A line longer than the bound is answered with an error and passed over
    // without being kept; the next line is read as usual.
    std::istringstream in(std::string(kLongestQuoteLine + 10, '\0') + "\n" +
                          OneLine(Feeder(true, true, 0)) + "\n");
    std::ostringstream out;
    ASSERT_TRUE(AnswerQuoteLines(session, in, out, {}));
    std::istringstream answers(out.str());
    std::string first, second, third;
    ASSERT_TRUE(std::getline(answers, first) && std::getline(answers, second));
    EXPECT_FALSE(std::getline(answers, third));
    EXPECT_EQ(json::parse(first),
              json::parse(R"({"line": 1, "error": "the line is longer than 1048576 bytes"})"));
    EXPECT_EQ(json::parse(second)["total"][1], " 371.00");
}

}  // namespace
