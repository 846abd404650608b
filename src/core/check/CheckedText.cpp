#include "check/CheckedText.h"

#include <set>

#include "platform/PathText.h"
#include "platform/RegularFile.h"
#include "text/Error.h"
#include "text/Fields.h"

namespace quill::check {

namespace {

constexpr int kMostByteProblems = 10;  // a file of random bytes is not worth a report a byte

char Hex(int digit) { return static_cast<char>(digit < 10 ? '0' + digit : 'A' + digit - 10); }

// Windows-1252 leaves five codes undefined; control characters other than the
// tab have no place in a data line.
bool IsText(unsigned char c) {
    if (c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D) return false;
    return c >= 0x20 || c == '\t';
}

}  // namespace

CheckedText ReadChecked(const std::filesystem::path& file, Reporter& reporter) {
    CheckedText text;
    std::string bytes;
    try {
        bytes = ReadRegularFile(file);
    } catch (const QuillError&) {
        reporter.Report().unreadable.push_back(Utf8Of(file));  // named with its folder
        return text;
    }
    text.read = true;
    ++reporter.Report().filesRead;

    int crLf = 0, lf = 0, cr = 0, byteProblems = 0;
    std::size_t start = 0;
    int number = 1;
    std::size_t end = bytes.find('\x1a');  // Ctrl-Z ends the text
    if (end == std::string::npos) end = bytes.size();
    for (std::size_t at = 0; at <= end; ++at) {
        if (at < end && bytes[at] != '\r' && bytes[at] != '\n') continue;
        const std::string line = bytes.substr(start, at - start);
        if (at < end || !line.empty()) {
            for (std::size_t i = 0; i < line.size() && byteProblems <= kMostByteProblems; ++i) {
                const auto c = static_cast<unsigned char>(line[i]);
                if (IsText(c)) continue;
                if (++byteProblems > kMostByteProblems) {
                    reporter.Add(number, "", "more bytes that are not Windows-1252 text follow");
                    break;
                }
                reporter.Add(number, "",
                             std::string("byte 0x") + Hex(c >> 4) + Hex(c & 15) + " at column " +
                                 std::to_string(i + 1) + " is not Windows-1252 text");
            }
            text.lines.push_back({number, line});
        }
        if (at >= end) break;
        if (bytes[at] == '\r' && at + 1 < end && bytes[at + 1] == '\n') {
            ++crLf;
            ++at;
        } else if (bytes[at] == '\r') {
            ++cr;
        } else {
            ++lf;
        }
        start = at + 1;
        ++number;
    }
    if (lf > 0 && crLf == 0 && cr == 0)
        reporter.Add(0, "", "its lines end with LF alone; the data files end them with CR LF");
    else if (lf > 0 || cr > 0)
        reporter.Add(0, "",
                     "its line ends are mixed: " + std::to_string(crLf) + " CR LF, " +
                         std::to_string(lf) + " LF alone, " + std::to_string(cr) + " CR alone");
    return text;
}

const TextLine* CheckedSection::FirstNamed(const std::string& wanted) const {
    for (const TextLine& line : lines) {
        const std::size_t equals = line.text.find('=');
        if (equals != std::string::npos &&
            SameTextIgnoringCase(line.text.substr(0, equals), wanted))
            return &line;
    }
    return nullptr;
}

std::vector<CheckedSection> SectionsOf(const CheckedText& text, Reporter& reporter) {
    std::vector<CheckedSection> sections;
    std::map<std::string, int> firstHeader;  // upper-cased name -> its line
    CheckedSection* current = nullptr;
    bool reportedOrphans = false;
    for (const TextLine& line : text.lines) {
        if (line.text.empty()) continue;
        const bool header =
            line.text.size() >= 2 && line.text.front() == '[' && line.text.back() == ']';
        if (header) {
            const std::string name = line.text.substr(1, line.text.size() - 2);
            const auto [known, added] = firstHeader.emplace(UpperCase(name), line.number);
            if (!added) {
                reporter.Add(line.number, name,
                             "the section repeats [" + name + "] of line " +
                                 std::to_string(known->second) + "; its lines are not read");
                current = nullptr;
                continue;
            }
            sections.push_back({name, line.number, {}});
            current = &sections.back();
            continue;
        }
        if (current) {
            current->lines.push_back(line);
        } else if (!reportedOrphans && sections.empty()) {
            reporter.Add(line.number, "", "a line before the first section is not read");
            reportedOrphans = true;
        }
    }
    return sections;
}

std::string ValueOfLine(const CheckedSection& section, const TextLine& line, Reporter& reporter) {
    const std::size_t equals = line.text.find('=');
    if (equals == std::string::npos) {
        reporter.Add(line.number, section.name, "the line has no \"=\", so it has no value");
        return {};
    }
    const TextLine* first = section.FirstNamed(line.text.substr(0, equals));
    if (first != &line) {
        reporter.Add(line.number, section.name,
                     "the name " + line.text.substr(0, equals) + " repeats that of line " +
                         std::to_string(first->number) + "; the program reads that line's value");
        return first->text.substr(first->text.find('=') + 1);
    }
    return line.text.substr(equals + 1);
}

std::vector<std::string> Fields(const std::string& record) { return SplitFields(record, "|"); }

bool IsNumber(const std::string& text) {
    double value = 0;
    return TryStrToFloat(text, value);
}

}  // namespace quill::check
