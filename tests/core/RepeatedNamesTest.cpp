#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "catalogue/RepeatedNames.h"
#include "inifile/BigIniFile.h"
#include "text/Fields.h"

using namespace quill;

namespace {

// Lines laid end to end, as the reader keeps them; the text ends exactly
// where the last line does, so a read past a line's end would be seen by
// the sanitizers.
struct Section {
    explicit Section(const std::vector<std::string>& lines) {
        std::size_t total = 0;
        for (const std::string& line : lines)
            ends.push_back(static_cast<std::uint32_t>(total += line.size()));
        text = std::make_unique<char[]>(std::max<std::size_t>(total, 1));
        std::size_t at = 0;
        for (const std::string& line : lines) {
            std::copy(line.begin(), line.end(), text.get() + at);
            at += line.size();
        }
    }
    SectionLines Lines() const {
        return SectionLines(text.get(), ends.data(), static_cast<std::uint32_t>(ends.size()));
    }
    std::unique_ptr<char[]> text;
    std::vector<std::uint32_t> ends;
};

// The plain reading: the first line of each name, kept by the name in upper
// case.
std::vector<RepeatedNames::Repeat> Expected(const std::vector<std::string>& lines) {
    std::vector<RepeatedNames::Repeat> repeats;
    std::map<std::string, int> firstOf;
    for (int line = 0; line < static_cast<int>(lines.size()); ++line) {
        const std::string& text = lines[static_cast<std::size_t>(line)];
        if (text.find('=') == std::string::npos) continue;
        const auto [at, isNew] = firstOf.emplace(UpperCase(LineName(text)), line);
        if (!isNew) repeats.push_back({line, at->second});
    }
    return repeats;
}

void ExpectRepeats(const std::vector<std::string>& lines) {
    const Section section(lines);
    RepeatedNames finder;
    const auto& found = finder.Find(section.Lines());
    const auto expected = Expected(lines);
    ASSERT_EQ(found.size(), expected.size());
    for (std::size_t i = 0; i < found.size(); ++i) {
        EXPECT_EQ(found[i].line, expected[i].line) << i;
        EXPECT_EQ(found[i].first, expected[i].first) << i;
    }
}

}  // namespace

TEST(RepeatedNames, EqualsIsFoundAtEveryPositionOfShortAndLongLines) {
    for (std::size_t size = 0; size <= 40; ++size) {
        for (std::size_t equals = 0; equals <= size; ++equals) {
            std::string line(size, 'a');
            if (equals < size) line[equals] = '=';
            const Section section({line});
            EXPECT_EQ(EqualsAt(section.Lines()[0]), equals < size ? equals : std::string::npos)
                << size << " " << equals;
        }
    }
    EXPECT_EQ(EqualsAt("ab=cd=ef"), 2u);  // the first one
}

TEST(RepeatedNames, NamesOfEveryLengthMatchWithoutRegardToCase) {
    // Each name appears twice, in another case and in a line of another
    // length, so that the name's bytes are read in every way there is.
    std::vector<std::string> lines;
    for (std::size_t size = 0; size <= 20; ++size) {
        std::string name;
        for (std::size_t i = 0; i < size; ++i) name += static_cast<char>('a' + (i * 7 + size) % 26);
        std::string upper = UpperCase(name);
        lines.push_back(name + "=" + std::string(size % 3, 'v'));
        lines.push_back(upper + "=" + std::string(30, 'w'));
    }
    lines.push_back("no name here");
    lines.push_back("=empty name again");
    lines.push_back("c1=x");
    lines.push_back("C1 =not the same name");
    lines.push_back("C1=x");
    ExpectRepeats(lines);
}

TEST(RepeatedNames, ALargeSectionSpreadIntoGroupsFindsTheSameRepeats) {
    std::mt19937 random(7);
    std::vector<std::string> lines;
    for (int i = 0; i < 40000; ++i) {
        const int n = static_cast<int>(random() % 30000);  // many names come again
        std::string name = (random() % 2 ? "C" : "c") + std::to_string(n);
        lines.push_back(random() % 50 == 0 ? name : name + "=" + std::to_string(i));
    }
    ExpectRepeats(lines);
}
