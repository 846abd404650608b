#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "text/Error.h"
#include "text/Fields.h"
#include "text/Windows1252.h"

using namespace quill;

TEST(FieldAt, ReturnsOnlyFieldsThatADelimiterFollows) {
    EXPECT_EQ(FieldAt("a|b|c|", 3), "c");
    EXPECT_EQ(FieldAt("a|b|c|", 4), "");
    EXPECT_EQ(FieldAt("a|b|c", 3), "");
    EXPECT_EQ(FieldAt("x|y|", 2), "y");
    EXPECT_EQ(FieldAt("", 1), "");
    EXPECT_EQ(FieldAt("1,1.5,2,", 2, ','), "1.5");
}

TEST(FieldAt, TrimsBlanksAndControlCharacters) {
    EXPECT_EQ(FieldAt(" x |", 1), "x");
    EXPECT_EQ(FieldAt("\tx\r|", 1), "x");
    EXPECT_EQ(FieldAt("a|  |", 2), "");
}

TEST(SplitFields, KeepsEveryFieldUntrimmedAndTheTail) {
    EXPECT_EQ(SplitFields("a|b|c|", "|"), (StringList{"a", "b", "c", ""}));
    EXPECT_EQ(SplitFields("", "|"), (StringList{""}));
    EXPECT_EQ(SplitFields("|", "|"), (StringList{"", ""}));
    EXPECT_EQ(SplitFields("a||b", "|"), (StringList{"a", "", "b"}));
    EXPECT_EQ(SplitFields(" a | b", "|"), (StringList{" a ", " b"}));
    EXPECT_EQ(SplitFields("a::b::", "::"), (StringList{"a", "b", ""}));
}

TEST(SplitFields, ClearsTheDestinationFirst) {
    StringList list{"old"};
    SplitFields(list, "x", "|");
    EXPECT_EQ(list, StringList{"x"});
}

TEST(NumberConversion, AcceptsTheDocumentedForms) {
    EXPECT_DOUBLE_EQ(StrToFloat("2.5"), 2.5);
    EXPECT_DOUBLE_EQ(StrToFloat(" 2.5 "), 2.5);
    EXPECT_DOUBLE_EQ(StrToFloat("+7"), 7);
    EXPECT_DOUBLE_EQ(StrToFloat("-0.25"), -0.25);
    EXPECT_DOUBLE_EQ(StrToFloat("1e3"), 1000);
    EXPECT_DOUBLE_EQ(StrToFloat("1.5E-2"), 0.015);
    EXPECT_DOUBLE_EQ(StrToFloat("2e+2"), 200);
    EXPECT_DOUBLE_EQ(StrToFloat("5."), 5);
}

TEST(NumberConversion, EveryDecimalGivesTheCorrectlyRoundedDouble) {
    // Short plain decimals take a quicker road than the general conversion;
    // both must give the same double, bit for bit, sign of zero included.
    const auto general = [](const std::string& text) {
        double value = 0;
        std::from_chars(text.data(), text.data() + text.size(), value);
        return value;
    };
    std::vector<std::string> texts{"0",
                                   "-0",
                                   "-0.0",
                                   "0.1",
                                   "0.0643",
                                   "0.00019",
                                   "8800",
                                   "123456789012345",
                                   "1234567890123456",
                                   "0.000000000000001",
                                   "9.99999999999999",
                                   "99999999999999.9",
                                   "4503599627370497.5",
                                   "3.",
                                   ".5"};
    std::mt19937_64 random(20261208);
    for (int i = 0; i < 20000; ++i) {
        std::string digits = std::to_string(random() % 1000000000000000000ULL);
        digits.resize(1 + random() % std::min<std::size_t>(digits.size(), 18));
        const std::size_t point = random() % (digits.size() + 1);
        std::string text =
            (random() % 4 == 0 ? "-" : "") + digits.substr(0, point) + "." + digits.substr(point);
        if (text == "." || text == "-.") continue;
        texts.push_back(text);
    }
    for (const std::string& text : texts) {
        const double value = StrToFloat(text);
        const double expected = general(text.front() == '.' ? "0" + text : text);
        EXPECT_EQ(std::signbit(value), std::signbit(expected)) << text;
        EXPECT_EQ(value, expected) << text;
    }
}

TEST(NumberConversion, RejectsEverythingElseWithTheSystemMessage) {
    for (const char* bad : {"", "   ", "1,5", "12a", "abc", "1e", "+-1", "--1", ".", "e5", "1 2",
                            "0x10", "inf", "nan", "1e999"}) {
        try {
            StrToFloat(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const QuillError& error) {
            EXPECT_EQ(error.what(),
                      "'" + std::string(bad) + "' is not a valid floating point value");
        }
    }
}

TEST(NumberConversion, IntegersAreThirtyTwoBit) {
    EXPECT_EQ(StrToInt("42"), 42);
    EXPECT_EQ(StrToInt(" -17"), -17);
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    for (const char* bad : {"2147483648", "1.5", "", "12 x", "+-3"}) {
        try {
            StrToInt(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const QuillError& error) {
            EXPECT_EQ(error.what(), "'" + std::string(bad) + "' is not a valid integer value");
        }
    }
}

TEST(NumberConversion, IgnoresTheUserLocale) {
    // A user locale whose decimal separator is "," must change nothing.
    const char* old = std::setlocale(LC_ALL, nullptr);
    const std::string saved = old ? old : "C";
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    EXPECT_DOUBLE_EQ(StrToFloat("1.5"), 1.5);
    EXPECT_EQ(FormatMoney(1.5), "1.50");
    EXPECT_EQ(FloatToText(1.5), "1.5");
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(FloatOrDefault, FallsBackOnEmptyOrBadText) {
    EXPECT_EQ(FloatOrDefault("abc", "0"), 0);
    EXPECT_EQ(FloatOrDefault(" 2.5 ", "0"), 2.5);
    EXPECT_EQ(FloatOrDefault("1,5", "0"), 0);
    EXPECT_EQ(FloatOrDefault("", "3"), 3);
    EXPECT_THROW(FloatOrDefault("1", "x"), QuillError);
}

TEST(IsNumericText, EmptyPassesBlanksDoNot) {
    EXPECT_TRUE(IsNumericText(""));
    EXPECT_TRUE(IsNumericText("1e3"));
    EXPECT_FALSE(IsNumericText("12a"));
    EXPECT_FALSE(IsNumericText("   "));
}

TEST(IsCommentLineStart, ExactlyTheEightOpeners) {
    std::string openers;
    for (int c = 0; c < 256; ++c)
        if (IsCommentLineStart(static_cast<char>(c))) openers += static_cast<char>(c);
    EXPECT_EQ(openers, " #;[^`{~");
}

TEST(SortNumericStrings, SortsByValueAndKeepsEqualOnesInOrder) {
    StringList list{"1800", "80", "900"};
    SortNumericStrings(list);
    EXPECT_EQ(list, (StringList{"80", "900", "1800"}));
    StringList equal{"2.50", "1", "2.5"};
    SortNumericStrings(equal);
    EXPECT_EQ(equal, (StringList{"1", "2.50", "2.5"}));
    StringList bad{"1", "x"};
    EXPECT_THROW(SortNumericStrings(bad), QuillError);
}

TEST(NumberTexts, GeneralFormatAndMoney) {
    EXPECT_EQ(FloatToText(800), "800");
    EXPECT_EQ(FloatToText(1.5), "1.5");
    EXPECT_EQ(FloatToText(0.1 + 0.2), "0.3");
    EXPECT_EQ(FloatToText(-0.5), "-0.5");
    EXPECT_EQ(FormatMoney(125), "125.00");
    EXPECT_EQ(FormatMoney(8.2020), "8.20");
    EXPECT_EQ(FormatMoney(1234567.891), "1234567.89");
    EXPECT_EQ(FormatMoney(-0.001), "0.00");
}

TEST(NumberTexts, AnyFiniteValueGivesItsWholeTextAndNothingElse) {
    for (const double value : {1e62, -1e70, 8.61e120, std::numeric_limits<double>::max(), 1e-300}) {
        const std::string money = FormatMoney(value);
        ASSERT_EQ(money.find('\0'), std::string::npos) << value;
        ASSERT_EQ(money.substr(money.size() - 3, 1), ".") << money;
        double back = 0;
        ASSERT_TRUE(TryStrToFloat(money, back)) << money;
        EXPECT_NEAR(back, value, std::fabs(value) * 1e-15 + 0.005) << money;
        double general = 0;
        ASSERT_TRUE(TryStrToFloat(FloatToText(value), general)) << FloatToText(value);
        EXPECT_NEAR(general, value, std::fabs(value) * 1e-14);
    }
    EXPECT_EQ(FormatMoney(1e62).size(), 66u);
    EXPECT_EQ(FormatMoney(std::numeric_limits<double>::denorm_min()), "0.00");
}

TEST(NumberTexts, InfinityAndNanAreNoFigureButAClearError) {
    for (const double value :
         {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
          std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_THROW(FormatMoney(value), QuillError);
        EXPECT_THROW(FloatToText(value), QuillError);
    }
}

TEST(TextHelpers, UpperCaseTouchesOnlyAsciiLetters) {
    EXPECT_EQ(UpperCase("rvx4-50k \xe9"), "RVX4-50K \xe9");
    EXPECT_TRUE(SameTextIgnoringCase("TLine", "tline"));
    EXPECT_FALSE(SameTextIgnoringCase("TLine", "TLines"));
}

TEST(TextHelpers, Windows1252BecomesUtf8CharacterForCharacter) {
    EXPECT_EQ(Windows1252ToUtf8("Qty. 7-16 DIN"), "Qty. 7-16 DIN");
    EXPECT_EQ(Windows1252ToUtf8("\x80 12"), "\xE2\x82\xAC 12");        // the euro sign
    EXPECT_EQ(Windows1252ToUtf8("caf\xE9"), "caf\xC3\xA9");            // Latin-1 range
    EXPECT_EQ(Windows1252ToUtf8("\x99\x9F"), "\xE2\x84\xA2\xC5\xB8");  // trade mark, Y diaeresis
    EXPECT_EQ(Windows1252ToUtf8("\x81"), "\xC2\x81");                  // unassigned: its C1 control
}

TEST(ErrorMessages, NameTheProblemNeverABareExceptionName) {
    EXPECT_EQ(MessageOf(QuillError("Cannot open file a.qrf")), "Cannot open file a.qrf");
    EXPECT_EQ(MessageOf(std::bad_alloc()),
              "There is not enough memory to finish the operation. Nothing was changed.");
    EXPECT_EQ(MessageOf(std::length_error("basic_string::_M_create")), MessageOf(std::bad_alloc()));
    EXPECT_EQ(MessageOf(std::out_of_range("map::at")),
              "An unexpected error stopped the operation (map::at).");
}
